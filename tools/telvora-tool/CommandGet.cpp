// telvora-tool get URL OUT [URL OUT]...: HTTP GETs in order on one client, so
// keep-alive and cookies carry over, each body written to its OUT file.

#include "framework/MemoryStream.h"
#include "http/NetHTTP.h"
#include "tools/telvora-tool/CommandTable.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

const char* ModeText(TWorkMode mode) {
    return mode == TWorkMode::wmRead ? "read" : "write";
}

// A message on one line: its line breaks become single spaces.
std::string OneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            line += ' ';
        } else {
            line += text[i];
        }
    }
    return line;
}

void PrintWorkEvents(TNetHTTP& http) {
    http.SetOnWorkBegin([](fw::TObject*, TWorkMode mode, std::int64_t max) {
        std::fprintf(stderr, "begin %s %lld\n", ModeText(mode), static_cast<long long>(max));
    });
    http.SetOnWork([](fw::TObject*, TWorkMode mode, std::int64_t count) {
        std::fprintf(stderr, "work %s %lld\n", ModeText(mode), static_cast<long long>(count));
    });
    http.SetOnWorkEnd(
        [](fw::TObject*, TWorkMode mode) { std::fprintf(stderr, "end %s\n", ModeText(mode)); });
}

// At most kMaxErrorBodyBytes of a refused reply's body text (which decoding may
// have made longer than the bytes kept), ending before a cut character.
std::string_view ShownBody(std::string_view body) {
    if (body.size() <= kMaxErrorBodyBytes) {
        return body;
    }
    std::size_t end = kMaxErrorBodyBytes;
    while (end > 0 && (static_cast<unsigned char>(body[end]) & 0xC0) == 0x80) {
        --end;
    }
    return body.substr(0, end);
}

// "CLASS: MESSAGE"; a refused reply adds its status code and its body.
void PrintException(const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", ExceptionClassName(e).c_str(), OneLine(e.what()).c_str());
    if (const auto* reply = dynamic_cast<const ENetHTTPProtocolException*>(&e)) {
        std::fprintf(stderr, "ErrorCode: %d\n", reply->ErrorCode());
        const std::string_view body = ShownBody(reply->ErrorMessage());
        std::fwrite(body.data(), 1, body.size(), stderr);
        if (!body.empty() && body.back() != '\n') {
            std::fputc('\n', stderr);
        }
    }
}

int RunGet(std::span<const std::string> args) {
    if (args.empty() || args.size() % 2 != 0) {
        throw tool::UsageError("expects pairs of a URL and an output file");
    }
    TNetHTTP http(nullptr);
    PrintWorkEvents(http);
    for (std::size_t i = 0; i < args.size(); i += 2) {
        try {
            fw::TMemoryStream body;
            http.SetHandleRedirects(true);
            http.Get(args[i], body);
            std::fprintf(stderr, "status %d %s\n", http.ResponseCode(),
                         http.ResponseText().c_str());
            body.SaveToFile(args[i + 1]);
        } catch (const std::exception& e) {
            PrintException(e);
            return tool::kExitFailure;
        }
    }
    return tool::kExitOk;
}

const tool::CommandRegistrar registrar({"get", "URL OUT [URL OUT]...",
                                        "HTTP GETs in order on one client, bodies to files",
                                        RunGet});

} // namespace
