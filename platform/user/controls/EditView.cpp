// The edit's geometry, scrolling and painting. Painting draws only the lines
// that are visible, so its cost does not grow with the text.

#include "platform/gdi/Utf8.h"
#include "platform/user/controls/Edit.h"

#include <algorithm>
#include <vector>

namespace win::controls {

RECT Edit::TextRect() const {
    RECT rect = ClientRect(hwnd_);
    rect.left += leftMargin_;
    rect.right = std::max(rect.left, rect.right - rightMargin_);
    if (!Multi()) {
        // One line, centred in the client area as the classic edit shows it.
        const int free = rect.bottom - rect.top - lineHeight_;
        rect.top += std::max(0, free / 2);
        rect.bottom = rect.top + lineHeight_;
    }
    return rect;
}

int Edit::VisibleLines() const {
    const RECT rect = TextRect();
    return std::max(1, int(rect.bottom - rect.top) / lineHeight_);
}

std::string_view Edit::LineText(const EditLine& line) const {
    return std::string_view(buffer_.Text()).substr(line.start, line.end - line.start);
}

std::string Edit::DisplayText(const EditLine& line) const {
    const std::string_view text = LineText(line);
    if (passwordChar_ == 0)
        return std::string(text);
    std::string masked;
    for (std::size_t at = 0; at < text.size(); at += DecodeUtf8(text, at).length)
        masked += char(passwordChar_ < 0x80 ? passwordChar_ : U'*');
    return masked;
}

// Offsets inside the display text: a password shows one byte per character.
namespace {

std::size_t DisplayOffset(std::string_view text, std::size_t offset, bool masked) {
    if (!masked)
        return offset;
    std::size_t count = 0;
    for (std::size_t at = 0; at < offset && at < text.size(); at += DecodeUtf8(text, at).length)
        ++count;
    return count;
}

} // namespace

int Edit::XOf(std::size_t offset) const {
    const EditLine& line = layout_.Line(layout_.LineOf(offset));
    const std::string display = DisplayText(line);
    const std::string_view raw =
        std::string_view(buffer_.Text()).substr(line.start, line.end - line.start);
    const std::size_t count =
        DisplayOffset(raw, std::min(offset, line.end) - line.start, passwordChar_ != 0);
    SIZE size{};
    GetTextExtentPoint32(measure_.Dc(), display.c_str(), int(count), &size);
    return size.cx;
}

std::size_t Edit::OffsetAt(std::size_t index, int x) const {
    const EditLine& line = layout_.Line(std::min(index, layout_.LineCount() - 1));
    const std::string_view raw =
        std::string_view(buffer_.Text()).substr(line.start, line.end - line.start);
    const std::string display = DisplayText(line);
    std::vector<int> advances(display.size() + 1);
    SIZE size{};
    GetTextExtentExPoint(measure_.Dc(), display.c_str(), int(display.size()), 0, nullptr,
                         advances.data(), &size);
    // Walk the characters; the caret goes to the nearer edge of the one hit.
    int left = 0;
    std::size_t character = 0;
    for (std::size_t at = 0; at < raw.size(); ++character) {
        const std::size_t length = DecodeUtf8(raw, at).length;
        const int right = character < advances.size() ? advances[character] : left;
        if (x < (left + right + 1) / 2)
            return line.start + at;
        left = right;
        at += length;
    }
    return line.end;
}

POINT Edit::PosFromChar(std::size_t offset) const {
    const RECT rect = TextRect();
    const int line = int(layout_.LineOf(offset));
    return POINT{rect.left + XOf(offset) - xOffset_, rect.top + (line - firstLine_) * lineHeight_};
}

std::size_t Edit::CharFromPos(POINT point) const {
    const RECT rect = TextRect();
    const int row = point.y < rect.top ? -1 : int(point.y - rect.top) / lineHeight_;
    const int line = std::clamp(firstLine_ + row, 0, int(layout_.LineCount()) - 1);
    return OffsetAt(std::size_t(line), point.x - rect.left + xOffset_);
}

void Edit::Relayout() {
    const RECT rect = TextRect();
    layout_.SetWrapWidth(Wraps() ? std::max(1, int(rect.right - rect.left)) : 0);
    layout_.Rebuild(buffer_.Text());
    if (hscroll_)
        widest_ = WidestLine();
    UpdateScrollBars();
}

int Edit::WidestLine() const {
    int widest = 0;
    for (std::size_t i = 0; i < layout_.LineCount(); ++i) {
        const std::string display = DisplayText(layout_.Line(i));
        SIZE size{};
        GetTextExtentPoint32(measure_.Dc(), display.c_str(), int(display.size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    return widest;
}

void Edit::ScrollTo(int firstLine, int xOffset) {
    const int lastFirst = std::max(0, int(layout_.LineCount()) - VisibleLines());
    firstLine = Multi() ? std::clamp(firstLine, 0, lastFirst) : 0;
    xOffset = Wraps() ? 0 : std::max(0, xOffset);
    if (firstLine == firstLine_ && xOffset == xOffset_)
        return;
    firstLine_ = firstLine;
    xOffset_ = xOffset;
    UpdateScrollBars();
    Redraw(hwnd_);
}

void Edit::ScrollLines(int delta) {
    ScrollTo(firstLine_ + delta, xOffset_);
}

void Edit::ScrollCaretIntoView() {
    const std::size_t caret = buffer_.Caret();
    const int line = int(layout_.LineOf(caret));
    int first = firstLine_;
    if (line < first)
        first = line;
    else if (line >= first + VisibleLines())
        first = line - VisibleLines() + 1;
    int x = xOffset_;
    if (!Wraps()) {
        const RECT rect = TextRect();
        const int width = std::max(1, int(rect.right - rect.left));
        const int caretX = XOf(caret);
        // Jump a quarter of the width past the caret, as the classic edit does.
        if (caretX < x)
            x = std::max(0, caretX - width / 4);
        else if (caretX >= x + width)
            x = caretX - width + width / 4;
    }
    ScrollTo(first, x);
}

void Edit::OnVScroll(WORD code) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, SB_VERT, &info);
    const int page = std::max(1, VisibleLines() - 1);
    switch (code) {
    case SB_LINEUP:
        ScrollLines(-1);
        break;
    case SB_LINEDOWN:
        ScrollLines(1);
        break;
    case SB_PAGEUP:
        ScrollLines(-page);
        break;
    case SB_PAGEDOWN:
        ScrollLines(page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(info.nTrackPos, xOffset_);
        break;
    case SB_TOP:
        ScrollTo(0, xOffset_);
        break;
    case SB_BOTTOM:
        ScrollTo(int(layout_.LineCount()), xOffset_);
        break;
    default:
        return;
    }
    NotifyCommand(hwnd_, EN_VSCROLL);
}

void Edit::OnHScroll(WORD code) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, SB_HORZ, &info);
    const RECT rect = TextRect();
    const int page = std::max(1, int(rect.right - rect.left));
    const int step = std::max(1, lineHeight_ / 2);
    switch (code) {
    case SB_LINELEFT:
        ScrollTo(firstLine_, xOffset_ - step);
        break;
    case SB_LINERIGHT:
        ScrollTo(firstLine_, xOffset_ + step);
        break;
    case SB_PAGELEFT:
        ScrollTo(firstLine_, xOffset_ - page);
        break;
    case SB_PAGERIGHT:
        ScrollTo(firstLine_, xOffset_ + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(firstLine_, info.nTrackPos);
        break;
    case SB_LEFT:
        ScrollTo(firstLine_, 0);
        break;
    case SB_RIGHT:
        ScrollTo(firstLine_, widest_);
        break;
    default:
        return;
    }
    NotifyCommand(hwnd_, EN_HSCROLL);
}

void Edit::UpdateScrollBars() {
    SCROLLINFO info;
    // An edit's scroll bars stay on screen, disabled while everything fits.
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    // Only a change goes to the window manager: setting a bar redraws the frame.
    auto apply = [&](int bar, SCROLLINFO& last) {
        if (last.nMax == info.nMax && last.nPage == info.nPage && last.nPos == info.nPos &&
            last.fMask != 0)
            return;
        last = info;
        SetScrollInfo(hwnd_, bar, &info, TRUE);
    };
    if (vscroll_) {
        info.nMin = 0;
        info.nMax = int(layout_.LineCount()) - 1;
        info.nPage = UINT(VisibleLines());
        info.nPos = firstLine_;
        apply(SB_VERT, shownVert_);
    }
    if (hscroll_) {
        const RECT rect = TextRect();
        info.nMin = 0;
        info.nMax = widest_;
        info.nPage = UINT(std::max(1, int(rect.right - rect.left)));
        info.nPos = xOffset_;
        apply(SB_HORZ, shownHorz_);
    }
}

void Edit::PaintLine(HDC hdc, std::size_t index, int y, COLORREF textColor) {
    const RECT rect = TextRect();
    SetTextColor(hdc, textColor);
    // Plain text is drawn where it lies: a repaint copies no line.
    const EditLine& line = layout_.Line(index);
    const std::string masked = passwordChar_ != 0 ? DisplayText(line) : std::string();
    const std::string_view display = passwordChar_ != 0 ? std::string_view(masked) : LineText(line);
    TextOut(hdc, rect.left - xOffset_, y, display.data(), int(display.size()));
}

void Edit::PaintSelection(HDC hdc, std::size_t index, int y) {
    const EditLine& line = layout_.Line(index);
    const std::size_t from = std::max(buffer_.SelectionStart(), line.start);
    const std::size_t to = std::min(buffer_.SelectionEnd(), line.end);
    // A selected line break shows as a little selected space after the line.
    const bool breakSelected = buffer_.SelectionEnd() > line.end && line.next > line.end;
    if (from > to || (from == to && !breakSelected))
        return;
    const RECT text = TextRect();
    const int left = text.left - xOffset_ + XOf(from);
    const int right = text.left - xOffset_ + XOf(to) + (breakSelected ? lineHeight_ / 3 : 0);
    RECT band{left, y, right, y + lineHeight_};
    FillRect(hdc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
    const int saved = SaveDC(hdc);
    IntersectClipRect(hdc, band.left, band.top, band.right, band.bottom);
    PaintLine(hdc, index, y, GetSysColor(COLOR_HIGHLIGHTTEXT));
    RestoreDC(hdc, saved);
}

void Edit::Paint(HDC hdc) {
    DcState state(hdc, font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    const bool enabled = IsWindowEnabled(hwnd_);
    // Read-only and disabled edits take the colours of static text, as on Windows.
    const UINT colorMessage = (ReadOnly() || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    const HBRUSH background = ParentColors(hwnd_, hdc, colorMessage);
    const COLORREF textColor = enabled ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
    RECT client = ClientRect(hwnd_);
    if (background)
        FillRect(hdc, &client, background);
    const RECT text = TextRect();
    IntersectClipRect(hdc, text.left, text.top, text.right, Multi() ? text.bottom : client.bottom);
    SetBkMode(hdc, TRANSPARENT);
    const bool focused = HasFocus(hwnd_);
    const bool showSelection = focused || (StyleOf(hwnd_) & ES_NOHIDESEL);
    const std::size_t last =
        std::min(layout_.LineCount(), std::size_t(firstLine_ + VisibleLines() + 1));
    for (std::size_t index = std::size_t(firstLine_); index < last; ++index) {
        const int y = text.top + int(index - std::size_t(firstLine_)) * lineHeight_;
        PaintLine(hdc, index, y, textColor);
        if (showSelection && buffer_.HasSelection())
            PaintSelection(hdc, index, y);
    }
    if (focused && enabled) {
        const POINT caret = PosFromChar(buffer_.Caret());
        RECT bar{caret.x, caret.y, caret.x + 1, caret.y + lineHeight_};
        InvertRect(hdc, &bar);
    }
}

} // namespace win::controls
