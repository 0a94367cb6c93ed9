#include "platform/gdi/Text.h"

#include "GdiTestSupport.h"
#include "platform/gdi/PngWriter.h"

#include <cstring>

namespace gditest {
namespace {

HFONT SongFont(int height, LONG weight = FW_NORMAL) {
    return CreateFont(height, 0, 0, 0, weight, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
}

TEST_F(GdiTest, SongAtTwelvePixelsHasClassicMetrics) {
    MemoryCanvas c(10, 10);
    HFONT font = SongFont(-12);
    HGDIOBJ old = SelectObject(c.dc(), font);
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(c.dc(), &tm));
    char face[100];
    GetTextFace(c.dc(), sizeof(face), face);
    printf("face %s asc %d desc %d h %d ave %d max %d\n", face, tm.tmAscent, tm.tmDescent,
           tm.tmHeight, tm.tmAveCharWidth, tm.tmMaxCharWidth);
    SIZE s;
    GetTextExtentPoint32(c.dc(), "Ab中文", -1, &s);
    printf("extent %d %d strike %d %d\n", s.cx, s.cy, DrawsFromBitmapStrike(c.dc(), U'中'),
           DrawsFromBitmapStrike(c.dc(), U'A'));
    SelectObject(c.dc(), old);
    DeleteObject(font);
}

} // namespace
} // namespace gditest
