// The whole reply path of a GET: status line, headers, cookies, redirects and
// every kind of body, over bytes served in pieces whose size the input picks.
// The first byte's low bits give the piece size; its top bit sends the body to a
// memory stream (which takes bodies straight from the source) instead of one
// that only counts them (which takes them through the receive buffer).

#include "framework/MemoryStream.h"
#include "fuzz/http/ReplySource.h"
#include "http/NetHTTP.h"

#include <cstdint>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    ReplySource source(std::span<const std::uint8_t>(data + 1, size - 1), data[0] & 0x7F);
    TNetHTTP http(nullptr);
    http.SetIOHandler(&source);
    http.SetHandleRedirects(true);
    CountingStream counted;
    fw::TMemoryStream memory;
    fw::TStream& body = (data[0] & 0x80) != 0 ? static_cast<fw::TStream&>(memory) : counted;
    try {
        http.Get("http://127.0.0.1/dir/file.zip", body);
    } catch (const std::exception&) {
        // Refused replies are expected; only crashes and leaks are findings.
    }
    return 0;
}
