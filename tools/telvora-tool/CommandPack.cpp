// telvora-tool pack DIR OUT.zip: a data package from a catalogue folder (category
// folders holding schedule files), the same bytes for the same folder: entries
// in byte order of their paths, names stored as UTF-8 (flagged as such), one
// fixed time stamp and fixed permissions. OUT.zip is written whole or not at
// all.

#include "tools/telvora-tool/CommandTable.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>
#include <zip.h>

namespace {

namespace fs = std::filesystem;

// 1 January 2001, 00:00, in the zip's DOS format: the same in every package.
constexpr zip_uint16_t kDosDate = ((2001 - 1980) << 9) | (1 << 5) | 1;
constexpr zip_uint16_t kDosTime = 0;
constexpr zip_uint32_t kFileMode = 0100644;
constexpr zip_uint32_t kFolderMode = 040755;

struct PackEntry {
    std::string name; // relative, "/" between parts, a trailing "/" for a folder
    fs::path source;  // the file to store; empty for a folder
};

// Every folder and regular file under root (links followed), by byte order of
// the stored name.
std::vector<PackEntry> CollectEntries(const fs::path& root) {
    std::vector<PackEntry> entries;
    for (auto it = fs::recursive_directory_iterator(
             root, fs::directory_options::follow_directory_symlink);
         it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = fs::relative(it->path(), root).generic_string();
        if (it->is_directory())
            entries.push_back({name + "/", {}});
        else if (it->is_regular_file())
            entries.push_back({name, it->path()});
    }
    std::sort(entries.begin(), entries.end(),
              [](const PackEntry& a, const PackEntry& b) { return a.name < b.name; });
    return entries;
}

bool HasCategoryFolder(const fs::path& root) {
    for (const auto& entry : fs::directory_iterator(root))
        if (entry.is_directory())
            return true;
    return false;
}

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;

[[noreturn]] void Fail(zip_t* archive, const std::string& what) {
    throw std::runtime_error(what + ": " + zip_strerror(archive));
}

void AddEntry(zip_t* archive, const PackEntry& entry) {
    zip_int64_t index;
    if (entry.source.empty()) {
        index = zip_dir_add(archive, entry.name.c_str(), ZIP_FL_ENC_UTF_8);
    } else {
        zip_source_t* source = zip_source_file(archive, entry.source.c_str(), 0, -1);
        if (source == nullptr)
            Fail(archive, "cannot read " + entry.source.string());
        index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            zip_source_free(source);
    }
    if (index < 0)
        Fail(archive, "cannot add " + entry.name);
    const auto i = static_cast<zip_uint64_t>(index);
    const zip_uint32_t mode = entry.source.empty() ? kFolderMode : kFileMode;
    if (zip_file_set_dostime(archive, i, kDosTime, kDosDate, 0) != 0 ||
        zip_file_set_external_attributes(archive, i, 0, ZIP_OPSYS_UNIX, mode << 16) != 0 ||
        (!entry.source.empty() && zip_set_file_compression(archive, i, ZIP_CM_DEFLATE, 9) != 0))
        Fail(archive, "cannot describe " + entry.name);
}

// Written beside the target and renamed into place when complete.
void WritePackage(const std::vector<PackEntry>& entries, const std::string& out) {
    const std::string temporary = out + ".part";
    int error = 0;
    ZipArchive archive(zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error));
    if (!archive) {
        zip_error_t reason;
        zip_error_init_with_code(&reason, error);
        const std::string text = zip_error_strerror(&reason);
        zip_error_fini(&reason);
        throw std::runtime_error("cannot create " + out + ": " + text);
    }
    for (const PackEntry& entry : entries)
        AddEntry(archive.get(), entry);
    if (zip_close(archive.get()) != 0) {
        const std::string reason = zip_strerror(archive.get());
        ::unlink(temporary.c_str());
        throw std::runtime_error("cannot write " + out + ": " + reason);
    }
    archive.release();
    if (std::rename(temporary.c_str(), out.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw std::runtime_error("cannot write " + out);
    }
}

int RunPack(std::span<const std::string> args) {
    if (args.size() != 2)
        throw tool::UsageError("expects a catalogue folder and a package file");
    const fs::path root(args[0]);
    std::error_code error;
    if (!fs::is_directory(root, error))
        throw std::runtime_error(args[0] + " is not a folder");
    if (!HasCategoryFolder(root))
        throw std::runtime_error(args[0] + " holds no category folder: nothing to pack");
    WritePackage(CollectEntries(root), args[1]);
    return tool::kExitOk;
}

const tool::CommandRegistrar
    registrar({"pack", "DIR OUT.zip",
               "pack a catalogue folder into a data package (the same bytes every time)", RunPack});

} // namespace
