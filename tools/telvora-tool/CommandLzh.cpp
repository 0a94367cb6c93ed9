// telvora-tool lzh pack IN OUT | lzh unpack IN OUT: the skin codec's compressed
// blocks (a 4-byte length, then the bit stream), file to file.

#include "framework/Exception.h"
#include "framework/MemoryStream.h"
#include "skin/WinConvert.h"
#include "tools/telvora-tool/CommandTable.h"

#include <string>

namespace {

int RunLzh(std::span<const std::string> args) {
    if (args.size() != 3)
        throw tool::UsageError("expects pack or unpack, an input file and an output file");
    const std::string& mode = args[0];
    if (mode != "pack" && mode != "unpack")
        throw tool::UsageError("unknown mode \"" + mode + "\"");

    fw::TMemoryStream input, output;
    input.LoadFromFile(args[1]);
    try {
        if (mode == "pack")
            skin::Compress(input, output);
        else
            skin::Decompress(input, output);
    } catch (const fw::Exception& e) {
        // The codec's and the stream's errors alike (a block too short to hold
        // its length is a read error) name the file they came from.
        throw fw::Exception(args[1] + ": " + e.Message());
    }
    // Written only once the whole result is in memory.
    output.SaveToFile(args[2]);
    return tool::kExitOk;
}

const tool::CommandRegistrar registrar({"lzh", "pack|unpack IN OUT",
                                        "pack a file into a compressed block, or unpack one",
                                        RunLzh});

} // namespace
