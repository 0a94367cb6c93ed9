#include "tests/catalogue/FolderFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace catalogue {

namespace fs = std::filesystem;

FolderFixture::FolderFixture() {
    std::string pattern = (fs::temp_directory_path() / "catalogue-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    FRoot = pattern;
}

FolderFixture::~FolderFixture() {
    // Folders a test made unreadable must be opened again to be removed.
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(FRoot, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory() && !it->is_symlink()) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
    }
    fs::remove_all(FRoot, error);
}

std::string FolderFixture::Path(std::string_view relative) const {
    return FRoot + "/" + std::string(relative);
}

void FolderFixture::WriteFile(std::string_view relative, std::string_view bytes) const {
    const fs::path path = Path(relative);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

void FolderFixture::MakeFolder(std::string_view relative) const {
    fs::create_directories(Path(relative));
}

void FolderFixture::MakeLink(std::string_view target, std::string_view relative) const {
    const fs::path path = Path(relative);
    fs::create_directories(path.parent_path());
    fs::create_symlink(std::string(target), path);
}

void FolderFixture::SetMode(std::string_view relative, unsigned mode) const {
    fs::permissions(Path(relative), static_cast<fs::perms>(mode));
}

} // namespace catalogue
