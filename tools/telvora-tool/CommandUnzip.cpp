// telvora-tool unzip ARCHIVE DIR: extract every item of a zip archive into DIR.

#include "archive/Unit_sevenzip.h"
#include "tools/telvora-tool/CommandTable.h"

#include <string>

namespace {

int RunUnzip(std::span<const std::string> args) {
    if (args.size() != 2)
        throw tool::UsageError("expects an archive and a folder");
    if (args[1].empty())
        throw tool::UsageError("the folder must have a name");
    // The installed library file, by its full path: the file the program embeds.
    const auto reader =
        archive::CreateInArchive(archive::ZipHandlerClassId, archive::SystemSevenZipLibrary);
    reader->OpenFile(args[0]);
    reader->ExtractTo(args[1]);
    return tool::kExitOk;
}

const tool::CommandRegistrar registrar({"unzip", "ARCHIVE DIR",
                                        "extract every item of a zip archive into DIR", RunUnzip});

} // namespace
