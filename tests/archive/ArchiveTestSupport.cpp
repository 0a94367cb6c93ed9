#include "tests/archive/ArchiveTestSupport.h"

#include "platform/kernel/Resource.h"
#include "tests/archive/TestZip.h"

#include <algorithm>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <stdexcept>

namespace archive::test {

namespace fs = std::filesystem;

TTempFolder::TTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "archive-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    FPath = pattern;
}

TTempFolder::~TTempFolder() {
    std::error_code ignored;
    fs::remove_all(FPath, ignored);
}

const std::string& EmbeddedLibraryPath() {
    static const TTempFolder folder;
    static const std::string path = [] {
        win::HRSRC resource = win::FindResource(nullptr, "7z", "dll");
        if (resource == nullptr)
            throw std::runtime_error("the test executable holds no resource dll/7z");
        const auto* bytes =
            static_cast<const char*>(win::LockResource(win::LoadResource(nullptr, resource)));
        const std::string file = folder / "7z.dll";
        WriteFile(file, std::string(bytes, win::SizeofResource(nullptr, resource)));
        return file;
    }();
    return path;
}

bool IsLibraryLoaded(const std::string& path) {
    void* handle = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    ::dlclose(handle);
    return true;
}

std::vector<std::string> TreeOf(const std::string& root) {
    std::vector<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string relative = entry.path().lexically_relative(root).string();
        if (entry.is_directory() && !entry.is_symlink())
            relative += '/';
        paths.push_back(relative);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace archive::test
