// Chunked bodies: the input follows a fixed reply head, into a memory stream.

#include "framework/MemoryStream.h"
#include "fuzz/http/ReplySource.h"
#include "http/NetHTTP.h"

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    std::vector<std::uint8_t> reply(head.begin(), head.end());
    reply.insert(reply.end(), data, data + size);
    ReplySource source(reply, size > 0 ? data[0] % 64 + 1 : 1);
    TNetHTTP http(nullptr);
    http.SetIOHandler(&source);
    fw::TMemoryStream body;
    try {
        http.Get("http://127.0.0.1/", body);
    } catch (const std::exception&) {
    }
    return 0;
}
