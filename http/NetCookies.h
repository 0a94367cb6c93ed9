#pragma once
// The cookies of one run, in the order they arrived, indexed by name (without
// regard to case). Several readers or one writer at a time. Bounded as browsers
// bound theirs, so a server cannot make the store (or the request heads built
// from it) grow without end.

#include "http/NetCookie.h"

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <shared_mutex>
#include <string>
#include <vector>

class TNetCookies {
public:
    using TCookiePtr = std::unique_ptr<TNetNetscapeCookie>;

    static constexpr std::size_t MaxCookiesPerDomain = 50;
    static constexpr std::size_t MaxCookies = 3000;
    // The longest name plus value a cookie may have.
    static constexpr std::size_t MaxCookieSize = 4096;

    // Stores the cookie under its name; a stored cookie of that name, whatever its
    // domain and path, is replaced in its place. A cookie longer than
    // MaxCookieSize is ignored. Past MaxCookiesPerDomain cookies of one domain, or
    // MaxCookies in all, the oldest go first.
    void AddCookie(TCookiePtr ACookie);
    // Removes every cookie whose expiry has passed.
    void PurgeExpired(fw::TDateTime ANow);
    // The cookies to send with a request to AURL, in store order.
    std::vector<const TNetNetscapeCookie*> CookiesFor(const TNetURI& AURL, bool ASecureOnly) const;

    std::size_t Count() const;
    // The cookie of that name, or none.
    const TNetNetscapeCookie* Cookie(const std::string& AName) const;

private:
    struct TStored {
        TCookiePtr cookie;
        std::uint64_t age; // arrival order; a replacement keeps the age of its place
        std::string domain;
    };
    using TCookieOrder = std::list<TStored>;
    using TDomainCookies = std::map<std::uint64_t, TCookieOrder::iterator>; // by age

    void Replace(TCookieOrder::iterator AStored, TCookiePtr ACookie);
    void Append(TCookiePtr ACookie);
    // Removes the oldest cookie of the domain other than AKeep while it has too many.
    void LimitDomain(const std::string& ADomain, TCookieOrder::iterator AKeep);
    void Erase(TCookieOrder::iterator AStored);

    mutable std::shared_mutex FLock;
    TCookieOrder FCookies;
    // The cookie list: upper-cased name → place in FCookies.
    std::map<std::string, TCookieOrder::iterator> FCookieList;
    // Domain (upper-cased, without a leading ".") → its cookies.
    std::map<std::string, TDomainCookies> FDomains;
    std::uint64_t FNextAge = 0;
};
