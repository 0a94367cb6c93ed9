#pragma once
// The calling thread, and every thread and process it starts from then on, in
// a network namespace of its own: loopback up and, for a connected shape, a
// veth pair with an address, so the platform's connected-state check is true
// while nothing outside the machine can be reached. The thread goes back to its
// previous namespace when the object goes. Needs root (CAP_SYS_ADMIN); where
// that is missing, Entered() is false and Problem() says why.

#include <string>

namespace testing_support {

class PrivateNetwork {
public:
    enum class Shape { Offline, Connected };

    explicit PrivateNetwork(Shape shape);
    ~PrivateNetwork();
    PrivateNetwork(const PrivateNetwork&) = delete;
    PrivateNetwork& operator=(const PrivateNetwork&) = delete;

    bool Entered() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }

private:
    int previous_ = -1;
    bool unshared_ = false;
    std::string problem_;
};

} // namespace testing_support
