// telvora-tool xmltv FILE|URL DIR: an XMLTV document (plain or gzip, from a file
// or an http:// address) converted into a catalogue folder DIR, which must not
// exist or be empty. Elements left out are named on stderr, one line each.

#include "framework/FileStream.h"
#include "framework/MemoryStream.h"
#include "http/NetHTTP.h"
#include "tools/telvora-tool/CommandTable.h"
#include "xmltv/XmltvConverter.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

bool IsAddress(const std::string& source) {
    return source.find("://") != std::string::npos;
}

// The program's own client, as the update fetches a feed.
std::unique_ptr<fw::TStream> Download(const std::string& address) {
    auto body = std::make_unique<fw::TMemoryStream>();
    TNetHTTP http(nullptr);
    http.SetHandleRedirects(true);
    http.Get(address, *body);
    body->SetPosition(0);
    return body;
}

std::unique_ptr<fw::TStream> Open(const std::string& source) {
    if (IsAddress(source)) {
        return Download(source);
    }
    return std::make_unique<fw::TFileStream>(source, fw::fmOpenRead | fw::fmShareDenyWrite);
}

int RunXmltv(std::span<const std::string> args) {
    if (args.size() != 2) {
        throw tool::UsageError("expects a file or address and a folder");
    }
    const std::unique_ptr<fw::TStream> document = Open(args[0]);
    const xmltv::ConversionCounts counts =
        xmltv::ConvertXmltv(*document, args[1], [](const std::string& skipped) {
            std::fprintf(stderr, "%s\n", skipped.c_str());
        });
    std::printf("%zu channels, %zu programmes\n", counts.channels, counts.programmes);
    return tool::kExitOk;
}

const tool::CommandRegistrar registrar({"xmltv", "FILE|URL DIR",
                                        "convert an XMLTV document into a catalogue folder",
                                        RunXmltv});

} // namespace
