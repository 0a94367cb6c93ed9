#pragma once
// A fresh folder under the test temp folder, removed with everything in it at
// the end of the test; and small file helpers for the shell tests.

#include <filesystem>
#include <string>

namespace testing_support {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& path, const std::string& text);
std::string ReadFile(const std::filesystem::path& path);

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    bool hadValue_;
    std::string previous_;
};

} // namespace testing_support
