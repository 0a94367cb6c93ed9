#include "http/NetHeaderList.h"

#include "http/NetHTTPHeaderInfo.h"

#include <gtest/gtest.h>

namespace {

TNetHeaderList Lines(std::initializer_list<const char*> lines) {
    TNetHeaderList list;
    for (const char* line : lines) {
        list.Add(line);
    }
    return list;
}

TEST(NetHeaderList, LooksUpValuesWithContinuations) {
    TNetHeaderList list = Lines({"Content-Type:  text/html ", "X-Long: first", " second", "\tthird",
                                 "x-long: other", "Broken line"});
    EXPECT_EQ(list.Values("content-type"), "text/html");
    EXPECT_EQ(list.Values("X-LONG"), "first second third");
    EXPECT_EQ(list.AllValues("x-long"), (std::vector<std::string>{"first second third", "other"}));
    EXPECT_EQ(list.Values("Missing"), "");
}

TEST(NetHeaderList, SetReplacesAppendsAndDeletes) {
    TNetHeaderList list = Lines({"A: 1", " more", "B: 2"});
    list.SetValues("a", "x");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a: x", "B: 2"}));
    list.SetValues("C", "3");
    list.SetValues("B", "");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a: x", "C: 3"}));
}

TEST(NetHeaderList, FoldsLongLinesAndReadsThemBack) {
    std::string value;
    for (int i = 0; i < 300; ++i) {
        value += "item" + std::to_string(i) + ", ";
    }
    value += "end";
    TNetHeaderList list;
    list.SetValues("X-List", value);
    ASSERT_GT(list.Count(), 1u);
    for (const std::string& line : list.Lines()) {
        EXPECT_LE(line.size(), TNetHeaderList::FoldLength);
    }
    EXPECT_EQ(list.Values("X-List"), value);
}

// A line is never left with a name and no value ("Cookie:" and the value on
// the next line), which servers refuse: it folds at a later blank or not at all.
TEST(NetHeaderList, FoldsOnlyInsideTheValue) {
    const std::string token(1500, 't');
    struct {
        const char* rule;
        std::string value;
        std::vector<std::string> lines;
    } cases[] = {
        {"one long word stays whole", "tok=" + token, {"Cookie: tok=" + token}},
        {"a later blank is the fold", "a=1; tok=" + token, {"Cookie: a=1;", " tok=" + token}},
        {"blanks before the value do not count", "  tok=" + token, {"Cookie:   tok=" + token}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        TNetHeaderList list;
        list.SetValues("Cookie", c.value);
        EXPECT_EQ(list.Lines(), c.lines);
    }
}

TEST(NetHTTPResponse, ParsesFieldsFromHeaders) {
    TNetHTTPResponse response;
    response.SetResponseText("HTTP/1.0 404  Not Found");
    response.RawHeaders() = Lines({"Content-Type: text/html; charset=GBK", "Content-Length: x1",
                                   "Content-Range: bytes 0-9/100", "WWW-Authenticate: Basic",
                                   "WWW-Authenticate: Digest"});
    response.ProcessHeaders();
    EXPECT_EQ(response.ResponseCode(), 404);
    EXPECT_EQ(response.ResponseVersion(), TNetHTTPProtocolVersion::pv1_0);
    EXPECT_EQ(response.ContentType(), "text/html");
    EXPECT_EQ(response.CharSet(), "GBK");
    EXPECT_EQ(response.ContentLength(), -1);
    EXPECT_FALSE(response.HasContentLength());
    EXPECT_EQ(response.ContentRangeStart(), 0);
    EXPECT_EQ(response.ContentRangeEnd(), 9);
    EXPECT_EQ(response.ContentRangeInstanceLength(), 100);
    EXPECT_EQ(response.WWWAuthenticate(), (std::vector<std::string>{"Basic", "Digest"}));

    response.RawHeaders() = Lines({"Content-Type: text/plain", "Content-Length: 12"});
    response.ProcessHeaders();
    EXPECT_EQ(response.CharSet(), "ISO-8859-1");
    EXPECT_EQ(response.ContentLength(), 12);
}

TEST(NetHTTPResponse, StatusCodes) {
    struct {
        const char* line;
        int code;
    } cases[] = {{"HTTP/1.1 200 OK", 200},
                 {"HTTP/1.1 302", 302},
                 {"HTTP/1.1 abc OK", -1},
                 {"garbage", -1},
                 {"", -1},
                 {"HTTP/1.1  99999999999 x", -1}};
    for (const auto& c : cases) {
        TNetHTTPResponse response;
        response.SetResponseText(c.line);
        EXPECT_EQ(response.ResponseCode(), c.code) << c.line;
    }
}

} // namespace

#include "http/NetHTMLMeta.h"

namespace {

TEST(NetHTMLMeta, ReadsDeclarations) {
    struct {
        const char* html;
        std::vector<std::string> lines;
    } cases[] = {
        {"<meta http-equiv=\"Set-Cookie\" content=\"a=1\">", {"Set-Cookie: a=1"}},
        {"<META HTTP-EQUIV=Refresh CONTENT='5; url=x'/>", {"Refresh: 5; url=x"}},
        {"<meta charset=utf-8><meta name=x content=y>", {"Content-Type: text/html; charset=utf-8"}},
        {"<metadata http-equiv=a content=b>", {}},
        {"<meta http-equiv=\"unterminated content=", {}},
        {"<meta", {}},
    };
    for (const auto& c : cases) {
        TNetHeaderList list;
        ParseMetaHTTPEquiv(c.html, list);
        EXPECT_EQ(list.Lines(), c.lines) << c.html;
    }
}

} // namespace
