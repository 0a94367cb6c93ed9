#include "http/NetURI.h"

#include <vector>

namespace {

// Turns "\" into "/" up to the first "?" or "#", as browsers read such addresses.
std::string NormalizeSlashes(std::string_view text) {
    std::string result(text);
    std::size_t end = result.find_first_of("?#");
    for (std::size_t i = 0; i < result.size() && i < end; ++i) {
        if (result[i] == '\\') {
            result[i] = '/';
        }
    }
    return result;
}

// Takes the text before the first separator out of text; all of it when absent.
std::string_view Fetch(std::string_view& text, char separator) {
    std::size_t at = text.find(separator);
    std::string_view head = text.substr(0, at);
    text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
    return head;
}

} // namespace

void TNetURI::SetURI(std::string_view AURI) {
    *this = TNetURI();
    std::string normalized;
    std::string_view rest = AURI;
    std::size_t scheme = AURI.find("://");
    if (scheme != std::string_view::npos) {
        FProtocol = std::string(AURI.substr(0, scheme));
        normalized = NormalizeSlashes(AURI.substr(scheme + 3));
        rest = normalized;
    }
    std::size_t question = rest.find('?');
    if (question != std::string_view::npos) {
        FParams = std::string(rest.substr(question + 1));
        rest = rest.substr(0, question);
    }
    if (scheme != std::string_view::npos) {
        SplitAuthority(Fetch(rest, '/'));
        std::size_t lastSlash = rest.rfind('/');
        FPath = "/" + std::string(
                          rest.substr(0, lastSlash == std::string_view::npos ? 0 : lastSlash + 1));
        rest = lastSlash == std::string_view::npos ? rest : rest.substr(lastSlash + 1);
    } else {
        std::size_t lastSlash = rest.rfind('/');
        if (lastSlash != std::string_view::npos) {
            FPath = std::string(rest.substr(0, lastSlash + 1));
            rest = rest.substr(lastSlash + 1);
        }
    }
    SplitDocument(rest);
}

void TNetURI::SplitAuthority(std::string_view authority) {
    std::size_t at = authority.find('@');
    if (at != std::string_view::npos) {
        std::string_view credentials = authority.substr(0, at);
        authority = authority.substr(at + 1);
        FUsername = std::string(Fetch(credentials, ':'));
        FPassword = FUsername.empty() ? std::string() : std::string(credentials);
    }
    std::size_t open = authority.find('[');
    std::size_t close = authority.find(']');
    if (open != std::string_view::npos && close != std::string_view::npos && close > open) {
        FHost = std::string(authority.substr(open + 1, close - open - 1));
        std::string_view afterHost = authority.substr(close + 1);
        Fetch(afterHost, ':');
        FPort = std::string(afterHost);
        FIPVersion = TNetIPVersion::Id_IPv6;
    } else {
        FHost = std::string(Fetch(authority, ':'));
        FPort = std::string(authority);
    }
}

void TNetURI::SplitDocument(std::string_view rest) {
    std::size_t hash = rest.find('#');
    if (hash != std::string_view::npos) {
        FBookmark = std::string(rest.substr(hash + 1));
        rest = rest.substr(0, hash);
    }
    FDocument = std::string(rest);
}

std::string TNetURI::EncodeTarget(std::string_view ATarget) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(ATarget.size());
    for (char c : ATarget) {
        auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F) {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        } else {
            encoded += c;
        }
    }
    return encoded;
}

std::string TNetURI::ProcessPath(std::string_view ABasePath, std::string_view APath) {
    std::string joined;
    if (!APath.empty() && APath.front() == '/') {
        joined = std::string(APath);
    } else {
        joined = std::string(ABasePath);
        if (joined.empty() || joined.back() != '/') {
            joined += '/';
        }
        joined += APath;
    }
    std::vector<std::string_view> segments;
    std::string_view remaining = joined;
    while (!remaining.empty()) {
        std::string_view segment = Fetch(remaining, '/');
        if (segment == "..") {
            if (!segments.empty()) {
                segments.pop_back();
            }
        } else if (!segment.empty()) {
            segments.push_back(segment);
        }
    }
    std::string result;
    for (std::string_view segment : segments) {
        result += '/';
        result += segment;
    }
    bool keepTrailing = APath.empty() || APath.back() == '/';
    if (result.empty() || (keepTrailing && joined.back() == '/')) {
        result += '/';
    }
    return result;
}
