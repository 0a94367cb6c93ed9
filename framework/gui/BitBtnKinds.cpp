#include "framework/gui/BitBtnKinds.h"

#include "framework/gui/Form.h"
#include "framework/gui/GraphicsColor.h"

#include <initializer_list>
#include <vector>

namespace fw {

namespace {

constexpr int kSize = 18;
constexpr TColor kKey = clFuchsia;
constexpr TColor kDarkGreen = static_cast<TColor>(0x008000);
constexpr TColor kDarkRed = static_cast<TColor>(0x0000C0);

void Lines(TCanvas& canvas, TColor color, int width, std::initializer_list<win::POINT> points) {
    canvas.Pen()->SetColor(color);
    canvas.Pen()->SetWidth(width);
    bool first = true;
    for (const win::POINT& p : points) {
        if (first)
            canvas.MoveTo(p.x, p.y);
        else
            canvas.LineTo(p.x, p.y);
        first = false;
    }
}

void Filled(TCanvas& canvas, TColor color, std::initializer_list<win::POINT> points) {
    const std::vector<win::POINT> corners(points);
    const win::COLORREF rgb = ColorToRGB(color);
    win::HDC dc = canvas.Handle();
    win::HBRUSH brush = win::CreateSolidBrush(rgb);
    win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, rgb);
    win::HGDIOBJ oldBrush = win::SelectObject(dc, brush);
    win::HGDIOBJ oldPen = win::SelectObject(dc, pen);
    win::Polygon(dc, corners.data(), static_cast<int>(corners.size()));
    win::SelectObject(dc, oldPen);
    win::SelectObject(dc, oldBrush);
    win::DeleteObject(pen);
    win::DeleteObject(brush);
}

void Disc(TCanvas& canvas, TColor fill, TColor edge) {
    canvas.Pen()->SetColor(edge);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetColor(fill);
    canvas.Ellipse(1, 1, 17, 17);
}

void CheckMark(TCanvas& canvas, int dx) {
    Lines(canvas, kDarkGreen, 3, {{2 + dx, 9}, {6 + dx, 13}, {14 + dx, 4}});
}

void Cross(TCanvas& canvas, TColor color, int inset) {
    Lines(canvas, color, 3, {{inset, inset}, {kSize - 1 - inset, kSize - 1 - inset}});
    Lines(canvas, color, 3, {{kSize - 1 - inset, inset}, {inset, kSize - 1 - inset}});
}

void QuestionMark(TCanvas& canvas) {
    Disc(canvas, clNavy, clNavy);
    Lines(canvas, clWhite, 2, {{6, 6}, {7, 4}, {10, 4}, {12, 6}, {9, 9}, {9, 11}});
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect({8, 13, 11, 15});
}

void NoEntry(TCanvas& canvas) {
    canvas.Pen()->SetColor(kDarkRed);
    canvas.Pen()->SetWidth(2);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Ellipse(2, 2, 16, 16);
    Lines(canvas, kDarkRed, 2, {{5, 5}, {13, 13}});
}

void Door(TCanvas& canvas) {
    canvas.Pen()->SetColor(clBlack);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetColor(clOlive);
    canvas.Rectangle(3, 1, 14, 17);
    // The door stands open into the room: a darker leaf with its handle.
    Filled(canvas, clMaroon, {{8, 2}, {13, 4}, {13, 17}, {8, 15}});
    canvas.Brush()->SetColor(clYellow);
    canvas.FillRect({9, 9, 11, 11});
}

void Stop(TCanvas& canvas) {
    Disc(canvas, kDarkRed, kDarkRed);
    Cross(canvas, clWhite, 6);
}

void RoundArrow(TCanvas& canvas) {
    canvas.Pen()->SetColor(kDarkGreen);
    canvas.Pen()->SetWidth(3);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Ellipse(3, 3, 15, 15);
    // A gap at the top right where the arrow head sits.
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(kKey);
    canvas.FillRect({10, 1, 17, 8});
    Filled(canvas, kDarkGreen, {{9, 0}, {9, 8}, {14, 4}});
}

void Skip(TCanvas& canvas) {
    canvas.Brush()->SetColor(clGray);
    canvas.FillRect({7, 11, 11, 16});
    Lines(canvas, kDarkGreen, 2, {{2, 14}, {4, 8}, {9, 5}, {13, 8}});
    Filled(canvas, kDarkGreen, {{11, 10}, {16, 11}, {15, 6}});
}

void DoubleCheck(TCanvas& canvas) {
    CheckMark(canvas, -1);
    CheckMark(canvas, 3);
}

} // namespace

namespace {

struct TKindInfo {
    const char* caption;
    int modalResult;
};

// In the order of TBitBtnKind.
constexpr TKindInfo kKinds[] = {
    {"", mrNone},        {"OK", mrOk},          {"Cancel", mrCancel}, {"&Help", mrNone},
    {"&Yes", mrYes},     {"&No", mrNo},         {"&Close", mrNone},   {"Abort", mrAbort},
    {"&Retry", mrRetry}, {"&Ignore", mrIgnore}, {"&All", mrAll},
};

const TKindInfo& Info(TBitBtnKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

} // namespace

const char* KindCaption(TBitBtnKind kind) {
    return Info(kind).caption;
}

int KindModalResult(TBitBtnKind kind) {
    return Info(kind).modalResult;
}

void DrawKindGlyph(TBitBtnKind kind, TBitmap& glyph) {
    if (kind == TBitBtnKind::bkCustom) {
        glyph.SetSize(0, 0);
        return;
    }
    glyph.SetSize(kSize, kSize);
    TCanvas& canvas = *glyph.Canvas();
    canvas.Brush()->SetColor(kKey);
    canvas.FillRect({0, 0, kSize, kSize});
    switch (kind) {
    case TBitBtnKind::bkOK:
    case TBitBtnKind::bkYes:
        CheckMark(canvas, 0);
        break;
    case TBitBtnKind::bkCancel:
        Cross(canvas, kDarkRed, 4);
        break;
    case TBitBtnKind::bkHelp:
        QuestionMark(canvas);
        break;
    case TBitBtnKind::bkNo:
        NoEntry(canvas);
        break;
    case TBitBtnKind::bkClose:
        Door(canvas);
        break;
    case TBitBtnKind::bkAbort:
        Stop(canvas);
        break;
    case TBitBtnKind::bkRetry:
        RoundArrow(canvas);
        break;
    case TBitBtnKind::bkIgnore:
        Skip(canvas);
        break;
    case TBitBtnKind::bkAll:
        DoubleCheck(canvas);
        break;
    case TBitBtnKind::bkCustom:
        break;
    }
    // The key colour must stay in the bottom-left pixel, where the button reads it.
    canvas.SetPixels(0, kSize - 1, kKey);
}

} // namespace fw
