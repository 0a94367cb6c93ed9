#pragma once
// The HTTP client's cookie store: takes in the cookies of Set-Cookie and
// Set-Cookie2 values and gives the cookie lines for the next request.

#include "framework/Component.h"
#include "http/NetCookies.h"
#include "http/NetHeaderList.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Splits a Set-Cookie or Set-Cookie2 value into single cookie texts: a "," ends a
// cookie except the first one in an Expires value and any inside double quotes.
std::vector<std::string> SplitCookies(std::string_view AHeaderValue);

class TNetCookieManager : public fw::TComponent {
public:
    // May refuse a cookie that passed the rules.
    using TNewCookieEvent =
        std::function<void(fw::TObject* ASender, const TNetNetscapeCookie& ACookie, bool& VAccept)>;

    explicit TNetCookieManager(fw::TComponent* AOwner) : fw::TComponent(AOwner) {}

    // One Set-Cookie cookie text from a reply to AURL.
    void AddServerCookie(std::string_view ACookie, const TNetURI& AURL);
    // One Set-Cookie2 cookie text from a reply to AURL.
    void AddServerCookie2(std::string_view ACookie, const TNetURI& AURL);
    // Every cookie of a reply's Set-Cookie and Set-Cookie2 lines; a Set-Cookie
    // cookie also named among the Set-Cookie2 ones is left out.
    void AddServerCookies(const TNetHeaderList& AHeaders, const TNetURI& AURL);
    // Appends the cookie lines for a request to AURL: "Cookie" for Set-Cookie
    // cookies, "Cookie2" for Set-Cookie2 ones, then "Cookie2: $Version="1"" when
    // only Set-Cookie cookies went.
    void GenerateClientCookies(const TNetURI& AURL, bool ASecureOnly, TNetHeaderList& AHeaders);

    TNetCookies& CookieCollection() { return FCookieCollection; }
    void SetOnNewCookie(TNewCookieEvent handler) { FOnNewCookie = std::move(handler); }

private:
    void Store(TNetCookies::TCookiePtr ACookie, std::string_view AText, const TNetURI& AURL);

    TNetCookies FCookieCollection;
    TNewCookieEvent FOnNewCookie;
};
