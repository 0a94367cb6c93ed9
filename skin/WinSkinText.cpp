#include "skin/WinSkinText.h"

#include "platform/gdi/Text.h"

namespace skin {

int SkinDrawText(win::HDC dc, const std::string& text, win::RECT& rect, win::UINT format) {
    return win::DrawText(dc, text.c_str(), int(text.size()), &rect, format);
}

std::string ReplaceFirst(std::string_view text, std::string_view pattern,
                         std::string_view replacement) {
    const std::size_t at = pattern.empty() ? std::string_view::npos : text.find(pattern);
    if (at == std::string_view::npos)
        return std::string(text);
    std::string result(text.substr(0, at));
    result += replacement;
    result += text.substr(at + pattern.size());
    return result;
}

} // namespace skin
