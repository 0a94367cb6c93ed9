#pragma once
// Runs a check in a child process that cannot write where its permissions say
// it cannot: as root, the child first becomes the user "nobody".

#include <functional>

namespace testing_support {

// Runs check in a forked child; true when it returned true there.
bool RunUnprivileged(const std::function<bool()>& check);

} // namespace testing_support
