#pragma once
// A temporary folder for one test, removed with everything in it afterwards.

#include <string>
#include <string_view>

namespace catalogue {

class FolderFixture {
public:
    FolderFixture();
    ~FolderFixture();
    FolderFixture(const FolderFixture&) = delete;
    FolderFixture& operator=(const FolderFixture&) = delete;

    // The folder itself, without a trailing slash.
    const std::string& Root() const { return FRoot; }
    std::string Path(std::string_view relative) const;

    // Parent folders are created as needed.
    void WriteFile(std::string_view relative, std::string_view bytes) const;
    void MakeFolder(std::string_view relative) const;
    void MakeLink(std::string_view target, std::string_view relative) const;
    void SetMode(std::string_view relative, unsigned mode) const;

private:
    std::string FRoot;
};

} // namespace catalogue
