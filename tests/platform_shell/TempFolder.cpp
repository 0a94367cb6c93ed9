#include "tests/platform_shell/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>

namespace testing_support {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::path(testing::TempDir()) / "telvora-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temp folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    const char* previous = std::getenv(name);
    hadValue_ = previous != nullptr;
    previous_ = hadValue_ ? previous : "";
    setenv(name, value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (hadValue_) {
        setenv(name_.c_str(), previous_.c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

} // namespace testing_support
