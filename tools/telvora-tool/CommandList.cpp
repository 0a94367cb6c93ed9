// telvora-tool list ARCHIVE: one line per item of a zip archive.

#include "archive/Unit_sevenzip.h"
#include "tools/telvora-tool/CommandTable.h"

#include <cstdio>
#include <string>

namespace {

// The tool loads the installed library file by its full path: it is the file the
// program embeds, and a command line run needs no private copy of it.
archive::TComPtr<archive::I7zInArchive> OpenArchive(const std::string& path) {
    auto reader =
        archive::CreateInArchive(archive::ZipHandlerClassId, archive::SystemSevenZipLibrary);
    reader->OpenFile(path);
    return reader;
}

int RunList(std::span<const std::string> args) {
    if (args.size() != 1)
        throw tool::UsageError("expects one archive");
    const auto reader = OpenArchive(args[0]);
    // Everything is gathered first: a failure halfway prints nothing on stdout.
    std::string lines;
    const auto count = static_cast<std::int32_t>(reader->GetNumberOfItems());
    for (std::int32_t i = 0; i < count; ++i) {
        lines += reader->GetItemPath(i);
        lines += '\t';
        lines += std::to_string(reader->GetItemSize(i));
        lines += reader->GetItemIsFolder(i) ? "\tD\n" : "\tF\n";
    }
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    return tool::kExitOk;
}

const tool::CommandRegistrar registrar({"list", "ARCHIVE",
                                        "one line per archive item: path, size, D or F", RunList});

} // namespace
