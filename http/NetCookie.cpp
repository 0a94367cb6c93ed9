#include "http/NetCookie.h"

#include "http/NetHTTPDate.h"
#include "http/NetStack.h"
#include "http/NetText.h"

#include <algorithm>
#include <array>

namespace {

using TItem = std::pair<std::string, std::string>;

// The items of a cookie text: "name[=value]" pieces separated by ";". A quoted
// value runs to its closing quote and the rest of that piece is dropped.
std::vector<TItem> SplitItems(std::string_view text) {
    std::vector<TItem> items;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t stop = text.find_first_of("=;", i);
        std::string name(
            Trim(text.substr(i, stop == std::string_view::npos ? text.npos : stop - i)));
        std::string value;
        if (stop == std::string_view::npos) {
            i = text.size();
        } else if (text[stop] == ';') {
            i = stop + 1;
        } else {
            std::size_t start = stop + 1;
            while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
                ++start;
            }
            std::size_t closing = start < text.size() && text[start] == '"'
                                      ? text.find('"', start + 1)
                                      : std::string_view::npos;
            if (closing != std::string_view::npos) {
                value = std::string(text.substr(start + 1, closing - start - 1));
                std::size_t next = text.find(';', closing);
                i = next == std::string_view::npos ? text.size() : next + 1;
            } else {
                std::size_t next = text.find(';', start);
                value = std::string(
                    Trim(text.substr(start, next == text.npos ? text.npos : next - start)));
                i = next == std::string_view::npos ? text.size() : next + 1;
            }
        }
        if (!name.empty()) {
            items.emplace_back(std::move(name), std::move(value));
        }
    }
    return items;
}

fw::TDateTime SecondsFromNow(double seconds) {
    return fw::TDateTime(fw::TDateTime::Now().Value() + seconds / 86400.0);
}

// A moment in UTC as the local date-time the store compares with Now.
fw::TDateTime LocalDateTime(std::time_t moment) {
    std::tm local{};
    if (localtime_r(&moment, &local) == nullptr || local.tm_year + 1900 < 1 ||
        local.tm_year + 1900 > 9999) {
        return fw::TDateTime();
    }
    return fw::EncodeDateTime(fw::Word(local.tm_year + 1900), fw::Word(local.tm_mon + 1),
                              fw::Word(local.tm_mday), fw::Word(local.tm_hour),
                              fw::Word(local.tm_min), fw::Word(std::min(local.tm_sec, 59)), 0);
}

bool IsIPAddress(const std::string& host) {
    return TNetStack::IsIP(host, TNetIPVersion::Id_IPv4) ||
           TNetStack::IsIP(host, TNetIPVersion::Id_IPv6);
}

// Top-level domains of the old generic kind need two dots in a cookie domain;
// every other domain needs three (".example.co.uk").
bool HasEnoughDots(std::string_view domain) {
    static constexpr std::array<std::string_view, 7> kGeneric{"COM", "EDU", "NET", "ORG",
                                                              "GOV", "MIL", "INT"};
    std::size_t lastDot = domain.rfind('.');
    std::string_view label =
        lastDot == std::string_view::npos ? domain : domain.substr(lastDot + 1);
    bool generic = std::any_of(kGeneric.begin(), kGeneric.end(),
                               [label](std::string_view tld) { return TextIsSame(label, tld); });
    auto dots = std::count(domain.begin(), domain.end(), '.');
    return dots >= (generic ? 2 : 3);
}

// The RFC 2109/2965 domain match.
bool DomainMatches(const std::string& host, std::string_view domain) {
    if (IsIPAddress(host)) {
        return TextIsSame(host, domain);
    }
    if (!domain.empty() && domain.front() == '.') {
        std::string bare(domain.substr(1));
        if (TextEndsWith(host, domain) && !IsIPAddress(bare) && domain.size() < host.size()) {
            return true;
        }
        return TextIsSame(host, bare);
    }
    return TextIsSame(host, domain);
}

// A host name ending with the domain may add only one label in front of it.
bool HostPrefixAllowed(const std::string& host, std::string_view domain) {
    if (IsIPAddress(host) || !TextEndsWith(host, domain)) {
        return true;
    }
    std::string_view prefix = std::string_view(host).substr(0, host.size() - domain.size());
    return prefix.find('.') == std::string_view::npos;
}

std::uint16_t PortOf(const TNetURI& url) {
    std::optional<std::int64_t> port = ParseInt64(url.Port());
    return port && *port >= 0 && *port <= 65535 ? std::uint16_t(*port) : 80;
}

// RFC 2965 matches a dotless host as if it were in the ".local" domain.
std::string EffectiveHost(const std::string& host) {
    return host.find('.') == std::string::npos ? host + ".local" : host;
}

std::string Quoted(std::string_view name, std::string_view value) {
    return std::string(name) + "=\"" + std::string(value) + "\"";
}

} // namespace

const std::string* TNetNetscapeCookie::FindItem(const TCookieItems& AItems,
                                                std::string_view AName) {
    auto found = std::find_if(AItems.begin(), AItems.end(),
                              [AName](const TItem& item) { return item.first == AName; });
    return found == AItems.end() ? nullptr : &found->second;
}

bool TNetNetscapeCookie::ParseServerCookie(std::string_view ACookieText, const TNetURI& AURL) {
    std::vector<TItem> items = SplitItems(ACookieText);
    if (items.empty()) {
        return false;
    }
    FName = items.front().first;
    FValue = items.front().second;
    TCookieItems attributes;
    for (auto item = items.begin() + 1; item != items.end(); ++item) {
        attributes.emplace_back(UpperCase(item->first), std::move(item->second));
    }
    LoadAttributes(attributes);
    SetDefaults(AURL);
    return !IsRejected(AURL);
}

void TNetNetscapeCookie::LoadAttributes(const TCookieItems& AItems) {
    const std::string* path = FindItem(AItems, "PATH");
    FPath = path == nullptr || path->empty() ? "/" : *path;
    if (const std::string* expires = FindItem(AItems, "EXPIRES")) {
        if (std::optional<std::int64_t> seconds = ParseInt64(*expires)) {
            FExpires = *seconds < 0 ? fw::TDateTime() : SecondsFromNow(double(*seconds));
        } else if (std::optional<std::time_t> moment = ParseHTTPDate(*expires)) {
            FExpires = LocalDateTime(*moment);
        }
    }
    if (const std::string* domain = FindItem(AItems, "DOMAIN")) {
        FDomain = domain->substr(0, domain->find(':'));
    }
    FSecure = FindItem(AItems, "SECURE") != nullptr;
    FHttpOnly = FindItem(AItems, "HTTPONLY") != nullptr;
}

void TNetNetscapeCookie::SetDefaults(const TNetURI& AURL) {
    if (FDomain.empty()) {
        FDomain = AURL.Host();
    }
}

bool TNetNetscapeCookie::IsRejected(const TNetURI& /*AURL*/) const {
    return false;
}

// Expired once its expiry is reached; a Max-Age counts from when the cookie
// arrived, so Max-Age=0 removes a cookie.
bool TNetNetscapeCookie::IsExpired(fw::TDateTime ANow) const {
    return FExpires.Value() != 0 && FExpires <= ANow;
}

bool TNetNetscapeCookie::IsAllowed(const TNetURI& AURL, bool ASecureOnly) const {
    const std::string& host = AURL.Host();
    // A domain made from the host itself (".host") must match that host too, or
    // such a cookie would be stored and never sent.
    bool dotted = !FDomain.empty() && FDomain.front() == '.';
    bool hostMatches = TextIsSame(host, FDomain) ||
                       (dotted ? TextEndsWith(host, FDomain) || TextIsSame(host, FDomain.substr(1))
                               : TextEndsWith(host, "." + FDomain));
    return !FValue.empty() && hostMatches && TextStartsWith(AURL.Path(), FPath) &&
           (!FSecure || ASecureOnly);
}

std::string TNetNetscapeCookie::ClientCookie() const {
    return FName + "=" + FValue;
}

void TNetCookieRFC2109::LoadAttributes(const TCookieItems& AItems) {
    TNetNetscapeCookie::LoadAttributes(AItems);
    const std::string* version = FindItem(AItems, "VERSION");
    std::optional<std::int64_t> number = version ? ParseInt64(*version) : std::nullopt;
    FVersion = number && *number >= INT32_MIN && *number <= INT32_MAX ? int(*number) : 0;
    const std::string* maxAge = FindItem(AItems, "MAX-AGE");
    FMaxAge = maxAge ? ParseInt64(*maxAge).value_or(-1) : -1;
    if (const std::string* comment = FindItem(AItems, "COMMENT")) {
        FComment = *comment;
    }
    if (FExpires.Value() == 0 && FMaxAge >= 0) {
        FExpires = SecondsFromNow(double(FMaxAge));
    }
}

void TNetCookieRFC2109::SetDefaults(const TNetURI& AURL) {
    if (FDomain.empty() && FVersion == 1) {
        FDomain = "." + AURL.Host();
    }
    TNetNetscapeCookie::SetDefaults(AURL);
    if (!FDomain.empty() && FDomain.front() != '.' && !HasEnoughDots(FDomain)) {
        FDomain = "." + FDomain;
    }
}

bool TNetCookieRFC2109::IsRejected(const TNetURI& AURL) const {
    if (FVersion != 1) {
        return !HasEnoughDots(FDomain);
    }
    std::string_view domain = FDomain;
    bool accepted = TextStartsWith(AURL.Path(), FPath) && TextStartsWith(domain, ".") &&
                    domain.find('.', 1) != std::string_view::npos &&
                    DomainMatches(AURL.Host(), domain) && HostPrefixAllowed(AURL.Host(), domain);
    return !accepted;
}

std::string TNetCookieRFC2109::ClientCookie() const {
    if (FVersion == 0) {
        return TNetNetscapeCookie::ClientCookie();
    }
    std::string text = Quoted("$Version", std::to_string(FVersion)) + "; " + Quoted(FName, FValue);
    if (!FPath.empty()) {
        text += "; " + Quoted("$Path", FPath);
    }
    if (!FDomain.empty()) {
        text += "; " + Quoted("$Domain", FDomain);
    }
    return text;
}

void TNetCookieRFC2965::LoadAttributes(const TCookieItems& AItems) {
    TNetCookieRFC2109::LoadAttributes(AItems);
    FVersion = std::max(FVersion, 1);
    if (const std::string* commentURL = FindItem(AItems, "COMMENTURL")) {
        FCommentURL = *commentURL;
    }
    FDiscard = FindItem(AItems, "DISCARD") != nullptr;
    const std::string* ports = FindItem(AItems, "PORT");
    FUsePort = ports != nullptr;
    std::string_view list = ports ? std::string_view(*ports) : std::string_view();
    while (!list.empty()) {
        std::size_t comma = list.find(',');
        std::optional<std::int64_t> port = ParseInt64(Trim(list.substr(0, comma)));
        if (port && *port >= 0 && *port <= 65535) {
            FPortList.push_back(std::uint16_t(*port));
        }
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
}

void TNetCookieRFC2965::SetDefaults(const TNetURI& AURL) {
    FRecvPort = PortOf(AURL);
    if (!FDomain.empty() && FDomain.front() != '.') {
        FDomain = "." + FDomain;
    }
    if (FDomain.empty()) {
        FDomain = "." + EffectiveHost(AURL.Host());
    }
    if (FExpires.Value() == 0 && FMaxAge < 0) {
        FDiscard = true;
    }
}

bool TNetCookieRFC2965::IsRejected(const TNetURI& AURL) const {
    std::string host = EffectiveHost(AURL.Host());
    std::string_view domain = FDomain;
    bool accepted =
        FVersion == 1 && TextStartsWith(AURL.Path(), FPath) &&
        (domain.find('.', 1) != std::string_view::npos || TextIsSame(domain, ".local")) &&
        DomainMatches(host, domain) && HostPrefixAllowed(host, domain) && PortMatches(AURL);
    return !accepted;
}

bool TNetCookieRFC2965::PortMatches(const TNetURI& AURL) const {
    if (!FUsePort) {
        return true;
    }
    std::uint16_t port = PortOf(AURL);
    if (FPortList.empty()) {
        return port == FRecvPort;
    }
    return std::find(FPortList.begin(), FPortList.end(), port) != FPortList.end();
}

bool TNetCookieRFC2965::IsAllowed(const TNetURI& AURL, bool ASecureOnly) const {
    return TNetCookieRFC2109::IsAllowed(AURL, ASecureOnly) && PortMatches(AURL);
}

std::string TNetCookieRFC2965::ClientCookie() const {
    std::string text = TNetCookieRFC2109::ClientCookie();
    if (FUsePort) {
        if (FPortList.empty()) {
            text += "; $Port";
        } else {
            std::string ports;
            for (std::uint16_t port : FPortList) {
                ports += (ports.empty() ? "" : ",") + std::to_string(port);
            }
            text += "; " + Quoted("$Port", ports);
        }
    }
    return text;
}
