#include "http/NetHTTPHeaderInfo.h"

#include "http/NetText.h"

#include <utility>

namespace {

// Appends "Name: value" when the value is not empty.
void AddIfSet(TNetHeaderList& headers, std::string_view name, std::string_view value) {
    if (!value.empty()) {
        headers.AddValue(name, value);
    }
}

// The value of a "name=value" parameter in a header value's ";"-separated tail.
std::string ParameterValue(std::string_view parameters, std::string_view name) {
    while (!parameters.empty()) {
        std::size_t end = parameters.find(';');
        std::string_view item = Trim(parameters.substr(0, end));
        parameters =
            end == std::string_view::npos ? std::string_view() : parameters.substr(end + 1);
        std::size_t equals = item.find('=');
        if (equals != std::string_view::npos && TextIsSame(Trim(item.substr(0, equals)), name)) {
            std::string_view value = Trim(item.substr(equals + 1));
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
                value = value.substr(1, value.size() - 2);
            }
            return std::string(value);
        }
    }
    return {};
}

std::int64_t NumberOrMinusOne(std::string_view text) {
    return ParseInt64(Trim(text)).value_or(-1);
}

} // namespace

void TNetRequestHeaderInfo::SetHeaders() {
    TNetHeaderList& raw = FRawHeaders;
    raw.Clear();
    AddIfSet(raw, "Connection", Connection());
    AddIfSet(raw, "Content-Version", ContentVersion());
    AddIfSet(raw, "Content-Disposition", ContentDisposition());
    AddIfSet(raw, "Content-Encoding", ContentEncoding());
    AddIfSet(raw, "Content-Language", ContentLanguage());
    if (!ContentType().empty()) {
        std::string type = ContentType();
        if (!CharSet().empty()) {
            type += "; charset=" + CharSet();
        }
        raw.AddValue("Content-Type", type);
    }
    if (ContentLength() >= 0) {
        raw.AddValue("Content-Length", std::to_string(ContentLength()));
    }
    AddIfSet(raw, "Cache-control", CacheControl());
    AddIfSet(raw, "Date", Date());
    AddIfSet(raw, "ETag", ETag());
    AddIfSet(raw, "Expires", Expires());
    AddIfSet(raw, "Pragma", Pragma());
    AddIfSet(raw, "Transfer-Encoding", TransferEncoding());
    raw.AddStrings(FCustomHeaders);
    AddIfSet(raw, "Proxy-Connection", ProxyConnection());
    AddIfSet(raw, "Host", Host());
    AddIfSet(raw, "Accept", Accept());
    AddIfSet(raw, "Accept-Charset", AcceptCharSet());
    AddIfSet(raw, "Accept-Encoding", AcceptEncoding());
    AddIfSet(raw, "Accept-Language", AcceptLanguage());
    AddIfSet(raw, "From", From());
    AddIfSet(raw, "Referer", Referer());
    AddIfSet(raw, "User-Agent", UserAgent());
    AddIfSet(raw, "Range", Range());
    AddIfSet(raw, "If-Modified-Since", LastModified());
    AddIfSet(raw, "X-HTTP-Method-Override", MethodOverride());
}

void TNetResponseHeaderInfo::ProcessHeaders() {
    const TNetHeaderList& raw = FRawHeaders;
    ProcessContentType();
    SetContentLength(NumberOrMinusOne(raw.Values("Content-Length")));
    SetContentEncoding(raw.Values("Content-Encoding"));
    SetContentLanguage(raw.Values("Content-Language"));
    SetContentVersion(raw.Values("Content-Version"));
    SetContentDisposition(raw.Values("Content-Disposition"));
    SetTransferEncoding(raw.Values("Transfer-Encoding"));
    SetConnection(raw.Values("Connection"));
    SetProxyConnection(raw.Values("Proxy-Connection"));
    SetCacheControl(raw.Values("Cache-control"));
    SetDate(raw.Values("Date"));
    SetExpires(raw.Values("Expires"));
    SetLastModified(raw.Values("Last-Modified"));
    SetETag(raw.Values("ETag"));
    SetPragma(raw.Values("Pragma"));
    SetLocation(raw.Values("Location"));
    SetServer(raw.Values("Server"));
    SetAcceptRanges(raw.Values("Accept-Ranges"));
    SetWWWAuthenticate(raw.AllValues("WWW-Authenticate"));
    SetProxyAuthenticate(raw.AllValues("Proxy-Authenticate"));
    ProcessContentRange();
}

void TNetResponseHeaderInfo::ProcessContentType() {
    std::string value = RawHeaders().Values("Content-Type");
    std::size_t semicolon = value.find(';');
    std::string type(Trim(std::string_view(value).substr(0, semicolon)));
    std::string charset;
    if (semicolon != std::string::npos) {
        charset = ParameterValue(std::string_view(value).substr(semicolon + 1), "charset");
    }
    if (charset.empty() && TextStartsWith(type, "text/")) {
        charset = "ISO-8859-1";
    }
    SetContentType(std::move(type));
    SetCharSet(std::move(charset));
}

// "Content-Range: bytes first-last/length", each part -1 when absent or unreadable.
void TNetResponseHeaderInfo::ProcessContentRange() {
    std::string value = RawHeaders().Values("Content-Range");
    std::string_view range = Trim(value);
    std::size_t space = range.find(' ');
    range = space == std::string_view::npos ? range : range.substr(space + 1);
    std::size_t slash = range.find('/');
    std::string_view span = range.substr(0, slash);
    std::size_t dash = span.find('-');
    bool haveSpan = !value.empty() && dash != std::string_view::npos;
    SetContentRangeStart(haveSpan ? NumberOrMinusOne(span.substr(0, dash)) : -1);
    SetContentRangeEnd(haveSpan ? NumberOrMinusOne(span.substr(dash + 1)) : -1);
    SetContentRangeInstanceLength(
        slash == std::string_view::npos ? -1 : NumberOrMinusOne(range.substr(slash + 1)));
}

int TNetHTTPResponse::ResponseCode() const {
    std::string_view line = ResponseText();
    std::size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        return -1;
    }
    std::string_view rest = TrimLeft(line.substr(space + 1));
    std::string_view code = rest.substr(0, rest.find(' '));
    std::optional<std::int64_t> value = ParseInt64(Trim(code));
    if (!value || *value < INT32_MIN || *value > INT32_MAX) {
        return -1;
    }
    return static_cast<int>(*value);
}

TNetHTTPProtocolVersion TNetHTTPResponse::ResponseVersion() const {
    std::string_view line = ResponseText();
    std::string_view digits = line.size() >= 8 ? line.substr(5, 3) : std::string_view();
    return digits == "1.0" ? TNetHTTPProtocolVersion::pv1_0 : TNetHTTPProtocolVersion::pv1_1;
}
