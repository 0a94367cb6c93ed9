#include "archive/WideString.h"

#include "archive/Utf8Reader.h"

namespace archive {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

} // namespace

std::string WideToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        AppendUtf8(out, static_cast<char32_t>(c));
    return out;
}

std::wstring Utf8ToWide(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    TUtf8Reader reader(text);
    while (!reader.AtEnd()) {
        const std::optional<char32_t> c = reader.Next();
        out += static_cast<wchar_t>(c.value_or(kReplacement));
    }
    return out;
}

} // namespace archive
