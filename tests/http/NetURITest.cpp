#include "http/NetURI.h"

#include <gtest/gtest.h>

namespace {

struct URICase {
    const char* uri;
    const char* protocol;
    const char* host;
    const char* port;
    const char* path;
    const char* document;
    const char* params;
    const char* bookmark;
};

const URICase kURICases[] = {
    {"http://example.com/a/b/c.zip", "http", "example.com", "", "/a/b/", "c.zip", "", ""},
    {"http://example.com", "http", "example.com", "", "/", "", "", ""},
    {"http://example.com:8080/", "http", "example.com", "8080", "/", "", "", ""},
    {"http://h/doc.zip?x=1&y=2", "http", "h", "", "/", "doc.zip", "x=1&y=2", ""},
    {"http://h/doc.zip#part", "http", "h", "", "/", "doc.zip", "", "part"},
    {"http://h/doc.zip?q=a#b", "http", "h", "", "/", "doc.zip", "q=a#b", ""},
    {"http://h\\dir\\f.zip?p=a\\b", "http", "h", "", "/dir/", "f.zip", "p=a\\b", ""},
    {"http://[::1]:81/x", "http", "::1", "81", "/", "x", "", ""},
    {"ftp://user:pw@h:21/f", "ftp", "h", "21", "/", "f", "", ""},
    {"../x/f.zip", "", "", "", "../x/", "f.zip", "", ""},
    {"/abs/path/", "", "", "", "/abs/path/", "", "", ""},
    {"f.zip?x", "", "", "", "", "f.zip", "x", ""},
    {"", "", "", "", "", "", "", ""},
};

TEST(NetURI, SplitsAddresses) {
    for (const URICase& c : kURICases) {
        TNetURI uri(c.uri);
        SCOPED_TRACE(c.uri);
        EXPECT_EQ(uri.Protocol(), c.protocol);
        EXPECT_EQ(uri.Host(), c.host);
        EXPECT_EQ(uri.Port(), c.port);
        EXPECT_EQ(uri.Path(), c.path);
        EXPECT_EQ(uri.Document(), c.document);
        EXPECT_EQ(uri.Params(), c.params);
        EXPECT_EQ(uri.Bookmark(), c.bookmark);
    }
}

TEST(NetURI, CredentialsAndVersion) {
    TNetURI withUser("http://user:secret@h/");
    EXPECT_EQ(withUser.Username(), "user");
    EXPECT_EQ(withUser.Password(), "secret");
    TNetURI emptyUser("http://:secret@h/");
    EXPECT_EQ(emptyUser.Username(), "");
    EXPECT_EQ(emptyUser.Password(), "");
    EXPECT_EQ(TNetURI("http://[::1]/").IPVersion(), TNetIPVersion::Id_IPv6);
    EXPECT_EQ(TNetURI("http://127.0.0.1/").IPVersion(), TNetIPVersion::Id_IPv4);
}

TEST(NetURI, ResolvesPaths) {
    struct {
        const char* base;
        const char* path;
        const char* expected;
    } cases[] = {
        {"/a/b/", "../x/", "/a/x/"},
        {"/a/b/", "", "/a/b/"},
        {"/a/b/", "/c/", "/c/"},
        {"/a/b/", "c/", "/a/b/c/"},
        {"/a/b", "c/", "/a/b/c/"},
        {"/a/b/", "../../../", "/"},
        {"/a//b/", "", "/a/b/"},
        {"/", "", "/"},
        {"", "", "/"},
        {"/a/", "x/../y", "/a/y"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TNetURI::ProcessPath(c.base, c.path), c.expected) << c.base << " + " << c.path;
    }
}

} // namespace
