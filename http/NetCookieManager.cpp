#include "http/NetCookieManager.h"

#include "http/NetText.h"

#include <algorithm>

namespace {

// Scans one attribute value from at; returns where it ends (";", "," or the end).
// Quoted stretches are skipped whole; an Expires value may hold one bare ",".
std::size_t SkipValue(std::string_view text, std::size_t at, bool isExpires) {
    bool commaAllowed = isExpires;
    while (at < text.size()) {
        char c = text[at];
        if (c == '"') {
            std::size_t closing = text.find('"', at + 1);
            at = closing == std::string_view::npos ? text.size() : closing + 1;
        } else if (c == ';') {
            return at;
        } else if (c == ',') {
            if (!commaAllowed) {
                return at;
            }
            commaAllowed = false;
            ++at;
        } else {
            ++at;
        }
    }
    return at;
}

std::string CookieNameOf(std::string_view text) {
    return std::string(Trim(text.substr(0, text.find('='))));
}

} // namespace

std::vector<std::string> SplitCookies(std::string_view AHeaderValue) {
    std::vector<std::string> cookies;
    auto addCookie = [&cookies](std::string_view text) {
        std::string_view trimmed = Trim(text);
        if (!trimmed.empty()) {
            cookies.emplace_back(trimmed);
        }
    };
    std::size_t cookieStart = 0;
    std::size_t at = 0;
    while (at < AHeaderValue.size()) {
        std::size_t stop = AHeaderValue.find_first_of("=;,", at);
        if (stop == std::string_view::npos) {
            break;
        }
        std::string_view name = Trim(AHeaderValue.substr(at, stop - at));
        at = stop;
        if (AHeaderValue[at] == '=') {
            at = SkipValue(AHeaderValue, at + 1, TextIsSame(name, "Expires"));
        }
        if (at >= AHeaderValue.size()) {
            break;
        }
        if (AHeaderValue[at] == ',') {
            addCookie(AHeaderValue.substr(cookieStart, at - cookieStart));
            cookieStart = at + 1;
        }
        ++at;
    }
    addCookie(AHeaderValue.substr(std::min(cookieStart, AHeaderValue.size())));
    return cookies;
}

void TNetCookieManager::AddServerCookie(std::string_view ACookie, const TNetURI& AURL) {
    Store(std::make_unique<TNetCookieRFC2109>(), ACookie, AURL);
}

void TNetCookieManager::AddServerCookie2(std::string_view ACookie, const TNetURI& AURL) {
    Store(std::make_unique<TNetCookieRFC2965>(), ACookie, AURL);
}

void TNetCookieManager::Store(TNetCookies::TCookiePtr ACookie, std::string_view AText,
                              const TNetURI& AURL) {
    if (!ACookie->ParseServerCookie(AText, AURL)) {
        return;
    }
    bool accept = true;
    if (FOnNewCookie) {
        FOnNewCookie(this, *ACookie, accept);
    }
    if (accept) {
        FCookieCollection.AddCookie(std::move(ACookie));
    }
}

// A reply may carry a great many cookies: they are taken one header value at a
// time, and the Set-Cookie2 names are looked up, not scanned for each cookie.
void TNetCookieManager::AddServerCookies(const TNetHeaderList& AHeaders, const TNetURI& AURL) {
    const std::vector<std::string> values2 = AHeaders.AllValues("Set-Cookie2");
    std::vector<std::string> names2;
    for (const std::string& value : values2) {
        for (const std::string& cookie : SplitCookies(value)) {
            names2.push_back(UpperCase(CookieNameOf(cookie)));
        }
    }
    std::sort(names2.begin(), names2.end());
    for (const std::string& value : AHeaders.AllValues("Set-Cookie")) {
        for (const std::string& cookie : SplitCookies(value)) {
            if (!std::binary_search(names2.begin(), names2.end(),
                                    UpperCase(CookieNameOf(cookie)))) {
                AddServerCookie(cookie, AURL);
            }
        }
    }
    for (const std::string& value : values2) {
        for (const std::string& cookie : SplitCookies(value)) {
            AddServerCookie2(cookie, AURL);
        }
    }
}

void TNetCookieManager::GenerateClientCookies(const TNetURI& AURL, bool ASecureOnly,
                                              TNetHeaderList& AHeaders) {
    FCookieCollection.PurgeExpired(fw::TDateTime::Now());
    bool anySent = false;
    bool anyVersion2 = false;
    for (const TNetNetscapeCookie* cookie : FCookieCollection.CookiesFor(AURL, ASecureOnly)) {
        bool version2 = dynamic_cast<const TNetCookieRFC2965*>(cookie) != nullptr;
        AHeaders.AddValue(version2 ? "Cookie2" : "Cookie", cookie->ClientCookie());
        anySent = true;
        anyVersion2 = anyVersion2 || version2;
    }
    if (anySent && !anyVersion2) {
        AHeaders.AddValue("Cookie2", "$Version=\"1\"");
    }
}
