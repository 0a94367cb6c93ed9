// Renders one picture of text, edges, frame controls, gradients and stretches
// and writes it as a PNG for a person to look at (the path is printed). The
// checks here only make sure each part drew where it should.

#include "GdiTestSupport.h"
#include "platform/gdi/Controls3D.h"
#include "platform/gdi/PngWriter.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/gdi/Text.h"

#include <cstdlib>
#include <cstring>
#include <fstream>

namespace gditest {
namespace {

int InkIn(const Surface& s, RECT r, std::uint32_t ink) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            count += s.Row(y)[x] == ink;
    return count;
}

void DrawTextSamples(HDC dc) {
    int y = 8;
    for (int height : {-12, -16}) {
        HFONT font =
            CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
        HGDIOBJ old = SelectObject(dc, font);
        const std::string samples[] = {"宋体 " + std::to_string(-height) +
                                           "px: 中央电视台 CCTV-1 综合",
                                       "节目表 ABCxyz 0123456789 &&"};
        for (const std::string& text : samples) {
            TextOut(dc, 8, y, text.c_str(), int(text.size()));
            y += -height + 6;
        }
        SelectObject(dc, old);
        DeleteObject(font);
    }
    HFONT bold = CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 1, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    HGDIOBJ old = SelectObject(dc, bold);
    const char* boldText = "粗体下划线 Bold underlined";
    TextOut(dc, 8, y, boldText, int(std::strlen(boldText)));
    HFONT italic = CreateFont(-12, 0, 0, 0, FW_NORMAL, 1, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    SelectObject(dc, italic);
    const char* italicText = "斜体 Italic";
    TextOut(dc, 200, y, italicText, int(std::strlen(italicText)));
    SelectObject(dc, old);
    DeleteObject(bold);
    DeleteObject(italic);
}

void DrawControlSamples(HDC dc) {
    int x = 8;
    for (UINT edge : {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP}) {
        RECT r{x, 110, x + 40, 140};
        DrawEdge(dc, &r, edge, BF_RECT | BF_MIDDLE);
        x += 48;
    }
    RECT focus{x, 110, x + 40, 140};
    DrawFocusRect(dc, &focus);
    x = 8;
    for (UINT kind : {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE,
                      DFCS_CAPTIONHELP}) {
        RECT r{x, 150, x + 16, 164};
        DrawFrameControl(dc, &r, DFC_CAPTION, kind);
        RECT inactive{x, 170, x + 16, 184};
        DrawFrameControl(dc, &inactive, DFC_CAPTION, kind | DFCS_INACTIVE);
        x += 20;
    }
    for (UINT kind :
         {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT, DFCS_SCROLLCOMBOBOX}) {
        RECT r{x, 150, x + 16, 166};
        DrawFrameControl(dc, &r, DFC_SCROLL, kind);
        RECT pushed{x, 170, x + 16, 186};
        DrawFrameControl(dc, &pushed, DFC_SCROLL, kind | DFCS_PUSHED | DFCS_FLAT);
        x += 20;
    }
    for (UINT state : {0u, DFCS_CHECKED, DFCS_CHECKED | DFCS_INACTIVE}) {
        RECT check{x, 150, x + 16, 166};
        DrawFrameControl(dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | state);
        RECT radio{x, 170, x + 16, 186};
        DrawFrameControl(dc, &radio, DFC_BUTTON, DFCS_BUTTONRADIO | state);
        x += 20;
    }
    RECT push{x, 150, x + 60, 173};
    DrawFrameControl(dc, &push, DFC_BUTTON, DFCS_BUTTONPUSH);
    RECT pushed{x + 64, 150, x + 124, 173};
    DrawFrameControl(dc, &pushed, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    RECT grip{x + 130, 150, x + 146, 166};
    DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void DrawGradientAndStretch(HDC dc) {
    TRIVERTEX v[2];
    v[0] = {8, 196, 0x0A00, 0x2400, 0x6A00, 0};
    v[1] = {208, 214, 0xA600, 0xCA00, 0xF000, 0};
    GRADIENT_RECT g{0, 1};
    GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_H);
    RECT caption{12, 198, 200, 212};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    HFONT bold = CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    HGDIOBJ old = SelectObject(dc, bold);
    DrawText(dc, "电视节目表 - 标题栏", -1, &caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(bold);
    SetTextColor(dc, RGB(0, 0, 0));
    // A magenta-keyed 3 x 3 "skin" picture, enlarged four times over the gradient.
    HDC image = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 3, 3);
    HGDIOBJ oldBitmap = SelectObject(image, bitmap);
    for (int i = 0; i < 9; ++i)
        SetPixel(image, i % 3, i / 3, i % 2 ? RGB(255, 0, 255) : RGB(255, 200, 0));
    TransparentBlt(dc, 320, 190, 12, 12, image, 0, 0, 3, 3, RGB(255, 0, 255));
    SelectObject(image, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(image);
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 160));
    HGDIOBJ oldBrush = SelectObject(dc, yellow);
    Ellipse(dc, 240, 104, 272, 134);
    RoundRect(dc, 276, 104, 316, 134, 10, 10);
    const POINT star[] = {{324, 140}, {340, 104}, {356, 140}, {318, 117}, {362, 117}};
    Polygon(dc, star, 5);
    SelectObject(dc, oldBrush);
    DeleteObject(yellow);
    RECT para{370, 8, 470, 214};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &para, white);
    DeleteObject(white);
    HFONT song = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    old = SelectObject(dc, song);
    DrawText(dc, "中文在任意两个字之间换行，Latin words wrap at spaces. &Prefix and a\ttab.", -1,
             &para, DT_WORDBREAK | DT_CENTER | DT_EXPANDTABS);
    SelectObject(dc, old);
    DeleteObject(song);
}

TEST_F(GdiTest, GalleryPicture) {
    Surface surface(480, 224);
    HDC dc = CreateSurfaceDC(surface, POINT{0, 0}, nullptr);
    RECT all{0, 0, surface.width, surface.height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    DrawTextSamples(dc);
    DrawControlSamples(dc);
    DrawGradientAndStretch(dc);
    DeleteDC(dc);

    const std::string path = ::testing::TempDir() + "gdi-gallery.png";
    ASSERT_TRUE(WritePng(path, surface));
    std::printf("gallery written to %s\n", path.c_str());
    std::ifstream png(path, std::ios::binary);
    char signature[8] = {};
    png.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    // Black text ink in the first text line, white-on-blue caption text in the gradient.
    EXPECT_GT(InkIn(surface, {8, 8, 300, 22}, 0x000000), 100);
    EXPECT_GT(InkIn(surface, {12, 198, 200, 212}, 0xFFFFFF), 50);
    // The close button's glyph is drawn in button text colour inside its face.
    EXPECT_GT(InkIn(surface, {8, 150, 24, 164}, 0x000000), 10);
}

} // namespace
} // namespace gditest
