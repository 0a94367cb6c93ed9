#include "http/NetHTTPProtocol.h"

#include "framework/MemoryStream.h"
#include "http/NetCharset.h"
#include "http/NetHTMLMeta.h"
#include "http/NetHTTP.h"
#include "http/NetText.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

// A chunk-size line: the hexadecimal number before any ";" extension. A line that
// is not a number counts as 0 (the last chunk); one too large for any stream
// counts as the largest size, so the reader refuses it instead of ending quietly.
std::int64_t ChunkSize(std::string_view line) {
    std::string_view digits = Trim(line.substr(0, line.find(';')));
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return 0;
    }
    std::optional<std::uint64_t> size = ParseHex(digits);
    constexpr auto kLargest = std::numeric_limits<std::int64_t>::max();
    return !size || *size > std::uint64_t(kLargest) ? kLargest : std::int64_t(*size);
}

// An error reply's body as its exception keeps it: the first kMaxErrorBodyBytes.
// The rest is read as the reply's framing says, but dropped, so a hostile body
// costs no memory.
class TErrorBodyStream : public fw::TMemoryStream {
public:
    static constexpr auto kLimit = static_cast<std::int64_t>(kMaxErrorBodyBytes);

    std::int64_t Write(const void* buffer, std::int64_t count) override {
        const std::int64_t position = Position();
        const std::int64_t kept = std::clamp<std::int64_t>(kLimit - position, 0, count);
        fw::TMemoryStream::Write(buffer, kept);
        Seek(position + count, fw::TSeekOrigin::soBeginning);
        return count;
    }
    void SetSize(std::int64_t newSize) override {
        fw::TMemoryStream::SetSize(std::min(newSize, kLimit));
    }
};

} // namespace

TNetIOHandler& TNetHTTPProtocol::IO() {
    return *FHTTP.IOHandler();
}

TNetHTTPResponse& TNetHTTPProtocol::Response() {
    return FHTTP.FResponse;
}

void TNetHTTPProtocol::ReadResponse() {
    for (int interim = 0;; ++interim) {
        ReadResponseHead();
        // A server that sends nothing but interim replies would hold the request
        // (and feed the cookie store) for ever.
        if (Response().ResponseCode() == 100 && interim == kMaxInterimReplies) {
            throw ENetException("Too many interim replies.");
        }
        FHTTP.ProcessCookies(Response().RawHeaders());
        if (Response().ResponseCode() != 100) {
            return;
        }
    }
}

void TNetHTTPProtocol::ReadResponseHead() {
    IO().SetReadTimeout(FHTTP.ConnectTimeout());
    Response().SetResponseText(IO().ReadLn());
    Response().RawHeaders().Clear();
    Response().MetaHTTPEquiv().Clear();
    ReadHeaderLines();
    Response().ProcessHeaders();
}

void TNetHTTPProtocol::ReadHeaderLines() {
    int count = 0;
    for (;;) {
        std::string line;
        try {
            IO().SetReadTimeout(FHTTP.ConnectTimeout());
            line = IO().ReadLn();
        } catch (const ENetConnClosedGracefully&) {
            // A close after a whole line ends the block; one that cuts a line
            // short leaves a head that cannot be trusted, and its bytes must not
            // pass for the body.
            if (!IO().InputBufferIsEmpty()) {
                IO().InputBuffer().Clear();
                throw;
            }
            FHTTP.Disconnect();
            return;
        }
        if (line.empty()) {
            return;
        }
        if (++count > FHTTP.MaxHeaderLines()) {
            throw ENetMaxHeaderLinesExceeded();
        }
        Response().RawHeaders().Add(std::move(line));
    }
}

TNetHTTPWhatsNext TNetHTTPProtocol::ProcessResponse(std::span<const int> AIgnoreReplies) {
    const int code = Response().ResponseCode();
    if ((code / 100 == 3 && code != 304) || (!Response().Location().empty() && code != 201)) {
        return HandleRedirect(AIgnoreReplies);
    }
    if (code / 100 == 2) {
        if (TextIsSame(FHTTP.FRequest.Method(), "HEAD") || code == 204) {
            ReadContent(nullptr, 100);
        } else {
            ReadContent(Response().ContentStream(), kNoWait);
        }
        FHTTP.DecideKeepAlive();
        return TNetHTTPWhatsNext::wnJustExit;
    }
    // Answering 401 and 407 challenges needs credentials this client never has,
    // so they end as error replies.
    if (code / 100 == 1 || code == 304) {
        return ErrorReply(100, AIgnoreReplies);
    }
    return ErrorReply(kNoWait, AIgnoreReplies);
}

TNetHTTPWhatsNext TNetHTTPProtocol::HandleRedirect(std::span<const int> AIgnoreReplies) {
    ++FHTTP.FRedirectCount;
    std::string location = Response().Location();
    std::string method = FHTTP.FRequest.Method();
    bool handled = FHTTP.FHandleRedirects;
    if (FHTTP.FOnRedirect) {
        FHTTP.FOnRedirect(&FHTTP, location, FHTTP.FRedirectCount, handled, method);
    }
    if (!handled) {
        return ErrorReply(kNoWait, AIgnoreReplies);
    }
    if (FHTTP.Connected()) {
        ReadContent(nullptr, 5000);
    }
    FHTTP.DecideKeepAlive();
    if (FHTTP.FRedirectCount < FHTTP.FRedirectMaximum) {
        FHTTP.FRequest.SetURL(location);
        FHTTP.FRequest.SetMethod(method);
        FHTTP.FRequest.SetMethodOverride({});
        return TNetHTTPWhatsNext::wnGoToURL;
    }
    Response().SetLocation(location);
    return TNetHTTPWhatsNext::wnJustExit;
}

TNetHTTPWhatsNext TNetHTTPProtocol::ErrorReply(int AWait, std::span<const int> AIgnoreReplies) {
    TErrorBodyStream body;
    fw::TStream* callerStream = Response().ContentStream();
    Response().SetContentStream(&body);
    try {
        ReadContent(&body, AWait);
    } catch (...) {
        Response().SetContentStream(callerStream);
        throw;
    }
    Response().SetContentStream(callerStream);
    FHTTP.DecideKeepAlive();
    const int code = Response().ResponseCode();
    if (std::find(AIgnoreReplies.begin(), AIgnoreReplies.end(), code) != AIgnoreReplies.end()) {
        return TNetHTTPWhatsNext::wnJustExit;
    }
    std::span<const std::uint8_t> bytes(static_cast<const std::uint8_t*>(body.Memory()),
                                        static_cast<std::size_t>(body.Size()));
    throw ENetHTTPProtocolException(code, Response().ResponseText(),
                                    CharsetDecode(bytes, Response().CharSet()));
}

void TNetHTTPProtocol::ReadContent(fw::TStream* ATarget, int AWait) {
    if (ATarget == nullptr || !TextIsSame(Response().ContentType(), "text/html")) {
        ReadBody(ATarget, AWait);
        return;
    }
    // A page is scanned for the header values it declares, so it is read into
    // memory first when the target cannot show its bytes.
    auto* memory = dynamic_cast<fw::TCustomMemoryStream*>(ATarget);
    fw::TMemoryStream temporary;
    fw::TCustomMemoryStream& page = memory != nullptr ? *memory : temporary;
    const std::int64_t start = page.Position();
    ReadBody(&page, AWait);
    std::string_view bytes(static_cast<const char*>(page.Memory()), std::size_t(page.Size()));
    ApplyMetaHTTPEquiv(bytes.substr(std::size_t(start)));
    if (memory == nullptr && temporary.Size() > 0) {
        temporary.SetPosition(0);
        ATarget->CopyFrom(temporary, temporary.Size());
    }
}

void TNetHTTPProtocol::ApplyMetaHTTPEquiv(std::string_view page) {
    TNetHeaderList& meta = Response().MetaHTTPEquiv();
    ParseMetaHTTPEquiv(page, meta);
    TNetResponseHeaderInfo declared;
    declared.RawHeaders() = meta;
    declared.ProcessHeaders();
    // A charset the reply's own header names stands; a page only fills one in.
    bool headerNamesCharset =
        TextPos("charset", Response().RawHeaders().Values("Content-Type")) != std::string::npos;
    if (!headerNamesCharset && !declared.RawHeaders().Values("Content-Type").empty() &&
        !declared.CharSet().empty()) {
        Response().SetCharSet(declared.CharSet());
    }
    FHTTP.ProcessCookies(meta);
}

void TNetHTTPProtocol::ReadBody(fw::TStream* ATarget, int AWait) {
    TNetHTTPResponse& response = Response();
    if (TextPos("chunked", response.TransferEncoding()) != std::string::npos) {
        ReadChunked(ATarget);
    } else if (response.ContentLength() > 0) {
        if (WaitForContent(AWait)) {
            ReadCounted(ATarget, response.ContentLength());
        }
    } else if (response.ContentLength() < 0) {
        if (WaitForContent(AWait)) {
            ReadUntilClose(ATarget);
        }
    }
}

bool TNetHTTPProtocol::WaitForContent(int AWait) {
    return AWait == kNoWait || !IO().InputBufferIsEmpty() || IO().CheckForDataOnSource(AWait);
}

void TNetHTTPProtocol::ReadChunked(fw::TStream* ATarget) {
    TNetWorkScope work(FHTTP, TWorkMode::wmRead, 0);
    for (;;) {
        std::int64_t size = ChunkSize(IO().ReadLn());
        if (size == 0) {
            break;
        }
        if (ATarget != nullptr) {
            IO().ReadStream(*ATarget, size);
        } else {
            IO().Discard(size);
        }
        IO().ReadLn();
    }
    ReadTrailers();
}

void TNetHTTPProtocol::ReadTrailers() {
    // Trailer lines join the headers and are bounded the same way.
    int count = 0;
    for (std::string line = IO().ReadLn(); !line.empty(); line = IO().ReadLn()) {
        if (++count > FHTTP.MaxHeaderLines()) {
            throw ENetMaxHeaderLinesExceeded();
        }
        Response().RawHeaders().Add(std::move(line));
    }
}

void TNetHTTPProtocol::ReadCounted(fw::TStream* ATarget, std::int64_t ACount) {
    try {
        if (ATarget != nullptr) {
            IO().ReadStream(*ATarget, ACount);
        } else {
            IO().Discard(ACount);
        }
    } catch (const ENetConnClosedGracefully&) {
        // A body cut short by the server's close keeps what arrived.
    }
}

void TNetHTTPProtocol::ReadUntilClose(fw::TStream* ATarget) {
    if (ATarget != nullptr) {
        IO().ReadStream(*ATarget, -1, true);
    } else {
        IO().DiscardAll();
    }
}
