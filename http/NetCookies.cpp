#include "http/NetCookies.h"

#include "http/NetText.h"

#include <mutex>

void TNetCookies::AddCookie(TCookiePtr ACookie) {
    std::string key = UpperCase(ACookie->CookieName());
    std::unique_lock lock(FLock);
    auto existing = FCookieList.find(key);
    if (existing != FCookieList.end()) {
        *existing->second = std::move(ACookie);
        return;
    }
    FCookies.push_back(std::move(ACookie));
    FCookieList.emplace(std::move(key), std::prev(FCookies.end()));
}

void TNetCookies::PurgeExpired(fw::TDateTime ANow) {
    std::unique_lock lock(FLock);
    for (auto cookie = FCookies.begin(); cookie != FCookies.end();) {
        if ((*cookie)->IsExpired(ANow)) {
            FCookieList.erase(UpperCase((*cookie)->CookieName()));
            cookie = FCookies.erase(cookie);
        } else {
            ++cookie;
        }
    }
}

std::vector<const TNetNetscapeCookie*> TNetCookies::CookiesFor(const TNetURI& AURL,
                                                               bool ASecureOnly) const {
    std::shared_lock lock(FLock);
    std::vector<const TNetNetscapeCookie*> chosen;
    for (const TCookiePtr& cookie : FCookies) {
        if (cookie->IsAllowed(AURL, ASecureOnly)) {
            chosen.push_back(cookie.get());
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
    return found == FCookieList.end() ? nullptr : found->second->get();
}
