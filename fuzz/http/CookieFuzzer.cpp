// Set-Cookie and Set-Cookie2 values: splitting, parsing with dates, storing and
// choosing cookies for the next request.

#include "http/NetCookieManager.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    TNetCookieManager manager(nullptr);
    TNetURI site("http://www.example.com:8080/a/b/");
    TNetHeaderList reply;
    std::size_t split = text.find('\n');
    reply.AddValue("Set-Cookie", text.substr(0, split));
    if (split != std::string_view::npos) {
        reply.AddValue("Set-Cookie2", text.substr(split + 1));
    }
    manager.AddServerCookies(reply, site);
    TNetHeaderList request;
    manager.GenerateClientCookies(site, false, request);
    return 0;
}
