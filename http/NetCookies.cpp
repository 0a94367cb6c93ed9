#include "http/NetCookies.h"

#include "http/NetText.h"

#include <mutex>

namespace {

// ".example.com" and "example.com" count as one domain.
std::string DomainKey(const TNetNetscapeCookie& cookie) {
    std::string_view domain = cookie.Domain();
    if (!domain.empty() && domain.front() == '.') {
        domain.remove_prefix(1);
    }
    return UpperCase(domain);
}

} // namespace

void TNetCookies::AddCookie(TCookiePtr ACookie) {
    if (ACookie->CookieName().size() + ACookie->Value().size() > MaxCookieSize) {
        return;
    }
    std::unique_lock lock(FLock);
    auto existing = FCookieList.find(UpperCase(ACookie->CookieName()));
    if (existing != FCookieList.end()) {
        Replace(existing->second, std::move(ACookie));
    } else {
        Append(std::move(ACookie));
    }
    if (FCookies.size() > MaxCookies) {
        Erase(FCookies.begin());
    }
}

void TNetCookies::Replace(TCookieOrder::iterator AStored, TCookiePtr ACookie) {
    std::string domain = DomainKey(*ACookie);
    if (domain != AStored->domain) {
        auto old = FDomains.find(AStored->domain);
        old->second.erase(AStored->age);
        if (old->second.empty()) {
            FDomains.erase(old);
        }
        FDomains[domain].emplace(AStored->age, AStored);
        AStored->domain = domain;
    }
    AStored->cookie = std::move(ACookie);
    LimitDomain(domain, AStored);
}

void TNetCookies::Append(TCookiePtr ACookie) {
    std::string key = UpperCase(ACookie->CookieName());
    std::string domain = DomainKey(*ACookie);
    auto stored = FCookies.insert(FCookies.end(), {std::move(ACookie), FNextAge++, domain});
    FCookieList.emplace(std::move(key), stored);
    FDomains[domain].emplace(stored->age, stored);
    LimitDomain(domain, stored);
}

void TNetCookies::LimitDomain(const std::string& ADomain, TCookieOrder::iterator AKeep) {
    const TDomainCookies& cookies = FDomains.at(ADomain);
    if (cookies.size() > MaxCookiesPerDomain) {
        auto oldest = cookies.begin();
        if (oldest->second == AKeep) {
            ++oldest;
        }
        Erase(oldest->second);
    }
}

void TNetCookies::Erase(TCookieOrder::iterator AStored) {
    FCookieList.erase(UpperCase(AStored->cookie->CookieName()));
    auto domain = FDomains.find(AStored->domain);
    domain->second.erase(AStored->age);
    if (domain->second.empty()) {
        FDomains.erase(domain);
    }
    FCookies.erase(AStored);
}

void TNetCookies::PurgeExpired(fw::TDateTime ANow) {
    std::unique_lock lock(FLock);
    for (auto stored = FCookies.begin(); stored != FCookies.end();) {
        auto next = std::next(stored);
        if (stored->cookie->IsExpired(ANow)) {
            Erase(stored);
        }
        stored = next;
    }
}

std::vector<const TNetNetscapeCookie*> TNetCookies::CookiesFor(const TNetURI& AURL,
                                                               bool ASecureOnly) const {
    std::shared_lock lock(FLock);
    std::vector<const TNetNetscapeCookie*> chosen;
    for (const TStored& stored : FCookies) {
        if (stored.cookie->IsAllowed(AURL, ASecureOnly)) {
            chosen.push_back(stored.cookie.get());
        }
    }
    return chosen;
}

std::size_t TNetCookies::Count() const {
    std::shared_lock lock(FLock);
    return FCookies.size();
}

const TNetNetscapeCookie* TNetCookies::Cookie(const std::string& AName) const {
    std::shared_lock lock(FLock);
    auto found = FCookieList.find(UpperCase(AName));
    return found == FCookieList.end() ? nullptr : found->second->cookie.get();
}
