#pragma once
// Cookies as the store keeps them: the plain (Netscape) cookie, the RFC 2109
// cookie that Set-Cookie values become and the RFC 2965 cookie of Set-Cookie2,
// each reading its own attributes, defaults and rejection rules.

#include "framework/DateTime.h"
#include "http/NetURI.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TNetNetscapeCookie {
public:
    virtual ~TNetNetscapeCookie() = default;

    // Reads one cookie text set by a reply to AURL, applies the defaults and the
    // rejection rules; false when the cookie must be dropped.
    bool ParseServerCookie(std::string_view ACookieText, const TNetURI& AURL);

    // When it stops being valid, local time; 0 for a cookie without expiry.
    fw::TDateTime Expires() const { return FExpires; }
    bool IsExpired(fw::TDateTime ANow) const;
    // Whether the cookie goes with a request to AURL.
    virtual bool IsAllowed(const TNetURI& AURL, bool ASecureOnly) const;
    // The text sent back to the server.
    virtual std::string ClientCookie() const;
    virtual int Version() const { return 0; }

    const std::string& CookieName() const { return FName; }
    const std::string& Value() const { return FValue; }
    const std::string& Domain() const { return FDomain; }
    const std::string& Path() const { return FPath; }
    bool Secure() const { return FSecure; }
    bool HttpOnly() const { return FHttpOnly; }

protected:
    // Attribute items after the first, names upper-cased, in order.
    using TCookieItems = std::vector<std::pair<std::string, std::string>>;
    static const std::string* FindItem(const TCookieItems& AItems, std::string_view AName);

    virtual void LoadAttributes(const TCookieItems& AItems);
    virtual void SetDefaults(const TNetURI& AURL);
    virtual bool IsRejected(const TNetURI& AURL) const;

    std::string FDomain;
    fw::TDateTime FExpires;
    bool FHttpOnly = false;
    std::string FName;
    std::string FPath;
    bool FSecure = false;
    std::string FValue;
};

class TNetCookieRFC2109 : public TNetNetscapeCookie {
public:
    std::string ClientCookie() const override;
    int Version() const override { return FVersion; }
    std::int64_t MaxAge() const { return FMaxAge; }
    const std::string& Comment() const { return FComment; }

protected:
    void LoadAttributes(const TCookieItems& AItems) override;
    void SetDefaults(const TNetURI& AURL) override;
    bool IsRejected(const TNetURI& AURL) const override;

    std::int64_t FMaxAge = -1;
    int FVersion = 0;
    std::string FComment;
};

class TNetCookieRFC2965 : public TNetCookieRFC2109 {
public:
    bool IsAllowed(const TNetURI& AURL, bool ASecureOnly) const override;
    std::string ClientCookie() const override;
    bool Discard() const { return FDiscard; }
    const std::vector<std::uint16_t>& PortList() const { return FPortList; }

protected:
    void LoadAttributes(const TCookieItems& AItems) override;
    void SetDefaults(const TNetURI& AURL) override;
    bool IsRejected(const TNetURI& AURL) const override;

private:
    bool PortMatches(const TNetURI& AURL) const;

    std::string FCommentURL;
    bool FDiscard = false;
    std::vector<std::uint16_t> FPortList;
    std::uint16_t FRecvPort = 80;
    bool FUsePort = false;
};
