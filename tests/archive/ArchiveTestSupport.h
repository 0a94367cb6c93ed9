#pragma once
// Shared pieces of the archive tests: a private scratch folder per test, the
// embedded library written out once per run, and whether a library is loaded.

#include <string>
#include <vector>

namespace archive::test {

class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::string& Path() const { return FPath; }
    std::string operator/(const std::string& name) const { return FPath + "/" + name; }

private:
    std::string FPath;
};

// The library embedded in the test executable, written to a private file that
// lives until the run ends (as the program writes it before it loads it).
const std::string& EmbeddedLibraryPath();

// Whether the library file at path is mapped into the process now.
bool IsLibraryLoaded(const std::string& path);

// Every file and folder below root, as sorted relative paths (folders end in "/").
std::vector<std::string> TreeOf(const std::string& root);

} // namespace archive::test
