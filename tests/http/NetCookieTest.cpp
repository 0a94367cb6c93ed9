#include "http/NetCookieManager.h"
#include "http/NetHTTPDate.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

TEST(NetCookies, SplitsHeaderValues) {
    struct {
        const char* value;
        Texts cookies;
    } cases[] = {
        {"a=1", {"a=1"}},
        {"a=1; path=/, b=2", {"a=1; path=/", "b=2"}},
        {"a=1; expires=Wed, 09-Jun-2021 10:18:14 GMT, b=2; Expires=Thu, 01 Jan 1970 00:00:00 GMT",
         {"a=1; expires=Wed, 09-Jun-2021 10:18:14 GMT",
          "b=2; Expires=Thu, 01 Jan 1970 00:00:00 GMT"}},
        {"a=\"x,y\"; b, c=3", {"a=\"x,y\"; b", "c=3"}},
        {" , a=1 ,, ", {"a=1"}},
        {"", {}},
        {"secure", {"secure"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitCookies(c.value), c.cookies) << c.value;
    }
}

struct Stored {
    std::string name;
    std::string value;
    std::string domain;
    std::string path;
    bool secure;
};

// Parses one Set-Cookie text for a reply from url; empty when rejected.
std::optional<Stored> Parse(const char* text, const char* url) {
    TNetCookieRFC2109 cookie;
    if (!cookie.ParseServerCookie(text, TNetURI(url))) {
        return std::nullopt;
    }
    return Stored{cookie.CookieName(), cookie.Value(), cookie.Domain(), cookie.Path(),
                  cookie.Secure()};
}

TEST(NetCookies, ParsesAppliesDefaultsAndRejects) {
    struct {
        const char* text;
        const char* url;
        std::optional<Stored> expected;
    } cases[] = {
        {"id=42", "http://127.0.0.1/a/", Stored{"id", "42", "127.0.0.1", "/", false}},
        {"id=42", "http://www.example.com/", Stored{"id", "42", "www.example.com", "/", false}},
        {"id=42", "http://example.com/", Stored{"id", "42", ".example.com", "/", false}},
        {"id = \"a b\" junk; Path=/x; secure", "http://www.example.com/",
         Stored{"id", "a b", "www.example.com", "/x", true}},
        {"id=1; domain=.example.com:80", "http://www.example.com/",
         Stored{"id", "1", ".example.com", "/", false}},
        {"id=1; path=", "http://www.example.com/",
         Stored{"id", "1", "www.example.com", "/", false}},
        {"id=1; secure", "http://www.example.com/",
         Stored{"id", "1", "www.example.com", "/", true}},
        // Too few dots for a plain cookie.
        {"id=1", "http://localhost/", std::nullopt},
        {"id=1; domain=.com", "http://www.example.com/", std::nullopt},
        // Version 1: the host must domain-match, with one label in front at most.
        {"id=1; version=1", "http://www.example.com/",
         Stored{"id", "1", ".www.example.com", "/", false}},
        {"id=1; version=1; domain=.example.com", "http://a.b.example.com/", std::nullopt},
        {"id=1; version=1; domain=.other.com", "http://www.example.com/", std::nullopt},
        {"id=1; version=1; path=/private", "http://www.example.com/public/", std::nullopt},
        {"", "http://www.example.com/", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::optional<Stored> got = Parse(c.text, c.url);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) {
            EXPECT_EQ(got->name, c.expected->name);
            EXPECT_EQ(got->value, c.expected->value);
            EXPECT_EQ(got->domain, c.expected->domain);
            EXPECT_EQ(got->path, c.expected->path);
            EXPECT_EQ(got->secure, c.expected->secure);
        }
    }
}

TEST(NetCookies, StoresReplacesExpiresAndChooses) {
    TNetCookieManager manager(nullptr);
    TNetURI site("http://www.example.com/a/");
    manager.AddServerCookie("a=1; path=/a", site);
    manager.AddServerCookie("b=2", site);
    manager.AddServerCookie("A=3; path=/other", site); // replaces a in its place
    manager.AddServerCookie("gone=1; expires=Thu, 01 Jan 1970 00:00:00 GMT", site);
    manager.AddServerCookie("s=1; secure", site);
    manager.AddServerCookie("m=1; max-age=0", site);
    EXPECT_EQ(manager.CookieCollection().Count(), 5u);

    TNetHeaderList headers;
    manager.GenerateClientCookies(TNetURI("http://www.example.com/other/x"), false, headers);
    EXPECT_EQ(headers.Lines(), (Texts{"Cookie: A=3", "Cookie: b=2", "Cookie2: $Version=\"1\""}));
    EXPECT_EQ(manager.CookieCollection().Count(), 3u); // the expired ones are purged

    TNetHeaderList secure;
    manager.GenerateClientCookies(TNetURI("https://www.example.com/"), true, secure);
    EXPECT_EQ(secure.Lines(), (Texts{"Cookie: b=2", "Cookie: s=1", "Cookie2: $Version=\"1\""}));

    TNetHeaderList otherHost;
    manager.GenerateClientCookies(TNetURI("http://elsewhere.example.org/"), false, otherHost);
    EXPECT_TRUE(otherHost.Lines().empty());
}

// The names the store keeps, in store order.
Texts StoredNames(TNetCookieManager& manager, const TNetURI& site) {
    Texts names;
    TNetHeaderList headers;
    manager.GenerateClientCookies(site, false, headers);
    for (const std::string& line : headers.Lines()) {
        if (line.rfind("Cookie: ", 0) == 0) {
            names.push_back(line.substr(8, line.find('=') - 8));
        }
    }
    return names;
}

TEST(NetCookies, TheStoreIsBounded) {
    const TNetURI site("http://www.example.com/");
    {
        SCOPED_TRACE("at most 50 of one domain: the oldest go first");
        TNetCookieManager manager(nullptr);
        for (int i = 0; i < 60; ++i) {
            manager.AddServerCookie("c" + std::to_string(i) + "=1", site);
        }
        manager.AddServerCookie("c15=replaced", site); // keeps its place and its age
        manager.AddServerCookie("c60=1", site);
        Texts names = StoredNames(manager, site);
        ASSERT_EQ(names.size(), 50u);
        EXPECT_EQ(names.front(), "c11");
        EXPECT_EQ(names.back(), "c60");
        EXPECT_EQ(manager.CookieCollection().Cookie("c15")->Value(), "replaced");
        manager.AddServerCookie("parent=1; domain=.example.com", site); // another domain
        EXPECT_EQ(manager.CookieCollection().Count(), 51u);
    }
    {
        SCOPED_TRACE("at most 3000 in all: the oldest go first");
        TNetCookieManager manager(nullptr);
        for (int i = 0; i < 3100; ++i) {
            manager.AddServerCookie("c" + std::to_string(i) + "=1",
                                    TNetURI("http://h" + std::to_string(i % 70) + ".example.com/"));
        }
        EXPECT_EQ(manager.CookieCollection().Count(), 3000u);
        EXPECT_EQ(manager.CookieCollection().Cookie("c99"), nullptr);
        EXPECT_NE(manager.CookieCollection().Cookie("c100"), nullptr);
    }
    {
        SCOPED_TRACE("name and value at most 4096 bytes");
        TNetCookieManager manager(nullptr);
        manager.AddServerCookie("big=" + std::string(4093, 'x'), site);
        manager.AddServerCookie("huge=" + std::string(4093, 'x'), site);
        EXPECT_EQ(StoredNames(manager, site), Texts{"big"});
    }
}

TEST(NetCookies, VersionTwoCookies) {
    TNetCookieManager manager(nullptr);
    TNetURI site("http://www.example.com:8080/");
    TNetHeaderList reply;
    reply.Add("Set-Cookie: dup=old, plain=1");
    reply.Add("Set-Cookie2: dup=new; Version=1; Port");
    manager.AddServerCookies(reply, site);
    TNetHeaderList headers;
    manager.GenerateClientCookies(site, false, headers);
    EXPECT_EQ(headers.Lines(),
              (Texts{"Cookie: plain=1", "Cookie2: $Version=\"1\"; dup=\"new\"; $Path=\"/\"; "
                                        "$Domain=\".www.example.com\"; $Port"}));
    TNetHeaderList otherPort;
    manager.GenerateClientCookies(TNetURI("http://www.example.com:9090/"), false, otherPort);
    EXPECT_EQ(otherPort.Lines(), (Texts{"Cookie: plain=1", "Cookie2: $Version=\"1\""}));
}

TEST(NetHTTPDate, ReadsTheUsualForms) {
    const std::time_t expected = 784111777; // 1994-11-06 08:49:37 UTC
    for (const char* text : {"Sun, 06 Nov 1994 08:49:37 GMT", "Sunday, 06-Nov-94 08:49:37 GMT",
                             "Sun Nov  6 08:49:37 1994", "Sun, 06-Nov-1994 08:49:37 GMT"}) {
        EXPECT_EQ(ParseHTTPDate(text), expected) << text;
    }
    for (const char* text : {"", "tomorrow", "Sun, 32 Nov 1994 08:49:37 GMT", "06 Nov 1994"}) {
        EXPECT_EQ(ParseHTTPDate(text), std::nullopt) << text;
    }
}

} // namespace
