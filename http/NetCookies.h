#pragma once
// The cookies of one run, in the order they arrived, indexed by name (without
// regard to case). Several readers or one writer at a time.

#include "http/NetCookie.h"

#include <list>
#include <map>
#include <memory>
#include <shared_mutex>
#include <string>
#include <vector>

class TNetCookies {
public:
    using TCookiePtr = std::unique_ptr<TNetNetscapeCookie>;

    // Stores the cookie under its name; a stored cookie of that name, whatever its
    // domain and path, is replaced in its place.
    void AddCookie(TCookiePtr ACookie);
    // Removes every cookie whose expiry has passed.
    void PurgeExpired(fw::TDateTime ANow);
    // The cookies to send with a request to AURL, in store order.
    std::vector<const TNetNetscapeCookie*> CookiesFor(const TNetURI& AURL, bool ASecureOnly) const;

    std::size_t Count() const;
    // The cookie of that name, or none.
    const TNetNetscapeCookie* Cookie(const std::string& AName) const;

private:
    using TCookieOrder = std::list<TCookiePtr>;

    mutable std::shared_mutex FLock;
    TCookieOrder FCookies;
    // The cookie list: upper-cased name → place in FCookies.
    std::map<std::string, TCookieOrder::iterator> FCookieList;
};
