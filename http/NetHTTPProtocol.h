#pragma once
// The reply side of one HTTP request: reading the status line and headers,
// deciding what the reply means, and reading or dropping its body.

#include "framework/Stream.h"

#include <span>
#include <string_view>

class TNetCustomHTTP;
class TNetIOHandler;
class TNetHTTPResponse;

enum class TNetHTTPWhatsNext { wnGoToURL, wnJustExit };

class TNetHTTPProtocol {
public:
    explicit TNetHTTPProtocol(TNetCustomHTTP& AHTTP) : FHTTP(AHTTP) {}

    // The status line and headers, with cookies taken in after each head; up to
    // kMaxInterimReplies interim 100 replies are passed over.
    void ReadResponse();
    // Disposes of the reply just read: reads its body, follows a redirect, or
    // raises ENetHTTPProtocolException for a reply that is not accepted.
    TNetHTTPWhatsNext ProcessResponse(std::span<const int> AIgnoreReplies);

private:
    static constexpr int kNoWait = -1;
    // Interim (100) replies passed over before the final one.
    static constexpr int kMaxInterimReplies = 10;

    void ReadResponseHead();
    void ReadHeaderLines();
    TNetHTTPWhatsNext HandleRedirect(std::span<const int> AIgnoreReplies);
    TNetHTTPWhatsNext ErrorReply(int AWait, std::span<const int> AIgnoreReplies);
    // The body into ATarget, or dropped when there is none; AWait ms for its first
    // bytes (kNoWait: as long as it takes).
    void ReadContent(fw::TStream* ATarget, int AWait);
    void ReadBody(fw::TStream* ATarget, int AWait);
    // Takes in what an HTML page declares: its charset and its cookies.
    void ApplyMetaHTTPEquiv(std::string_view page);
    bool WaitForContent(int AWait);
    void ReadChunked(fw::TStream* ATarget);
    void ReadTrailers();
    void ReadCounted(fw::TStream* ATarget, std::int64_t ACount);
    void ReadUntilClose(fw::TStream* ATarget);

    TNetIOHandler& IO();
    TNetHTTPResponse& Response();

    TNetCustomHTTP& FHTTP;
};
