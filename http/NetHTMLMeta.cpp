#include "http/NetHTMLMeta.h"

#include "http/NetText.h"

#include <string>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '/';
}

// Reads the attributes of one tag from at (just after its name) to its ">".
class TagReader {
public:
    TagReader(std::string_view html, std::size_t at) : FHtml(html), FAt(at) {}

    // The next attribute; false at the end of the tag or of the text.
    bool Next(std::string_view& name, std::string_view& value) {
        SkipSpaces();
        if (FAt >= FHtml.size() || FHtml[FAt] == '>') {
            return false;
        }
        std::size_t start = FAt;
        while (FAt < FHtml.size() && !IsSpace(FHtml[FAt]) && FHtml[FAt] != '=' &&
               FHtml[FAt] != '>') {
            ++FAt;
        }
        name = FHtml.substr(start, FAt - start);
        value = {};
        SkipSpaces();
        if (FAt < FHtml.size() && FHtml[FAt] == '=') {
            ++FAt;
            SkipSpaces();
            value = ReadValue();
        }
        return true;
    }

private:
    void SkipSpaces() {
        while (FAt < FHtml.size() && IsSpace(FHtml[FAt])) {
            ++FAt;
        }
    }

    std::string_view ReadValue() {
        if (FAt < FHtml.size() && (FHtml[FAt] == '"' || FHtml[FAt] == '\'')) {
            char quote = FHtml[FAt++];
            std::size_t end = FHtml.find(quote, FAt);
            if (end == std::string_view::npos) {
                end = FHtml.size();
            }
            std::string_view value = FHtml.substr(FAt, end - FAt);
            FAt = end < FHtml.size() ? end + 1 : end;
            return value;
        }
        std::size_t start = FAt;
        while (FAt < FHtml.size() && !IsSpace(FHtml[FAt]) && FHtml[FAt] != '>') {
            ++FAt;
        }
        return FHtml.substr(start, FAt - start);
    }

    std::string_view FHtml;
    std::size_t FAt;
};

void ReadMetaTag(std::string_view html, std::size_t at, TNetHeaderList& into) {
    TagReader tag(html, at);
    std::string_view name;
    std::string_view value;
    std::string httpEquiv;
    std::string content;
    std::string charset;
    while (tag.Next(name, value)) {
        if (TextIsSame(name, "http-equiv")) {
            httpEquiv = std::string(Trim(value));
        } else if (TextIsSame(name, "content")) {
            content = std::string(Trim(value));
        } else if (TextIsSame(name, "charset")) {
            charset = std::string(Trim(value));
        }
    }
    if (!httpEquiv.empty() && !content.empty()) {
        into.AddValue(httpEquiv, content);
    } else if (!charset.empty()) {
        into.AddValue("Content-Type", "text/html; charset=" + charset);
    }
}

} // namespace

void ParseMetaHTTPEquiv(std::string_view html, TNetHeaderList& into) {
    constexpr std::string_view kMeta = "<meta";
    for (std::size_t at = TextPos(kMeta, html); at != std::string_view::npos;) {
        std::size_t afterName = at + kMeta.size();
        if (afterName < html.size() && IsSpace(html[afterName])) {
            ReadMetaTag(html, afterName, into);
        }
        std::size_t next = TextPos(kMeta, html.substr(afterName));
        at = next == std::string_view::npos ? next : afterName + next;
    }
}
