// Blit, stretch and text speed, each beside one memcpy of the same surface so
// the results read as multiples of it.

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/Text.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace {

using namespace win;

constexpr int kWidth = 624;
constexpr int kHeight = 564;

void BM_MemcpySurface(benchmark::State& state) {
    Surface from(kWidth, kHeight), to(kWidth, kHeight);
    for (auto _ : state) {
        std::memcpy(to.pixels.data(), from.pixels.data(), from.pixels.size() * 4);
        benchmark::DoNotOptimize(to.pixels.data());
    }
}
BENCHMARK(BM_MemcpySurface);

// A memory DC holding a bitmap of the given size.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ old;
    Canvas(int w, int h) : bitmap(CreateBitmap(w, h, 1, 32, nullptr)) {
        old = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

void BM_BitBltSurface(benchmark::State& state) {
    Surface surface(kWidth, kHeight);
    HDC dest = CreateSurfaceDC(surface, POINT{0, 0}, nullptr);
    Canvas source(kWidth, kHeight);
    for (auto _ : state)
        BitBlt(dest, 0, 0, kWidth, kHeight, source.dc, 0, 0, SRCCOPY);
    DeleteDC(dest);
}
BENCHMARK(BM_BitBltSurface);

// The skin engine's nine-slice draw: a 3-frame 69 x 21 button image, margins
// 3 on each side, stretched to the whole surface in nine StretchBlt calls.
void BM_NineSliceStretch(benchmark::State& state) {
    Surface surface(kWidth, kHeight);
    HDC dest = CreateSurfaceDC(surface, POINT{0, 0}, nullptr);
    SetStretchBltMode(dest, COLORONCOLOR);
    Canvas image(69, 21);
    const int fw = 23, fh = 21, m = 3, W = kWidth, H = kHeight;
    for (auto _ : state) {
        HDC s = image.dc;
        StretchBlt(dest, 0, 0, m, m, s, 0, 0, m, m, SRCCOPY);
        StretchBlt(dest, 0, H - m, m, m, s, 0, fh - m, m, m, SRCCOPY);
        StretchBlt(dest, W - m, 0, m, m, s, fw - m, 0, m, m, SRCCOPY);
        StretchBlt(dest, 0, m, m, H - 2 * m, s, 0, m, m, fh - 2 * m, SRCCOPY);
        StretchBlt(dest, m, 0, W - 2 * m, m, s, m, 0, fw - 2 * m, m, SRCCOPY);
        StretchBlt(dest, m, m, W - 2 * m, H - 2 * m, s, m, m, fw - 2 * m, fh - 2 * m, SRCCOPY);
        StretchBlt(dest, W - m, H - m, m, m, s, fw - m, fh - m, m, m, SRCCOPY);
        StretchBlt(dest, W - m, m, m, H - 2 * m, s, fw - m, m, m, fh - 2 * m, SRCCOPY);
        StretchBlt(dest, m, H - m, W - 2 * m, m, s, m, fh - m, fw - 2 * m, m, SRCCOPY);
    }
    DeleteDC(dest);
}
BENCHMARK(BM_NineSliceStretch);

// Forty lines of a schedule listing in 12-pixel 宋体, glyphs cached.
void BM_TextLines(benchmark::State& state) {
    Surface surface(kWidth, kHeight);
    HDC dc = CreateSurfaceDC(surface, POINT{0, 0}, nullptr);
    HFONT font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const char* line = "19:30 新闻联播 CCTV-1 综合频道 天气预报 焦点访谈";
    const int length = int(std::strlen(line));
    for (auto _ : state)
        for (int i = 0; i < 40; ++i)
            TextOut(dc, 4, 4 + i * 13, line, length);
    state.SetItemsProcessed(state.iterations() * 40);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
}
BENCHMARK(BM_TextLines);

// Rendering glyphs for the first time: each iteration a font not seen before.
void BM_UncachedGlyph(benchmark::State& state) {
    Surface surface(64, 32);
    HDC dc = CreateSurfaceDC(surface, POINT{0, 0}, nullptr);
    HFONT font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    HGDIOBJ old = SelectObject(dc, font);
    // Kept across runs so repetitions meet characters not rendered before.
    static char32_t next = 0x4E00;
    for (auto _ : state) {
        char utf8[4] = {char(0xE0 | (next >> 12)), char(0x80 | ((next >> 6) & 0x3F)),
                        char(0x80 | (next & 0x3F)), 0};
        TextOut(dc, 0, 0, utf8, 3);
        if (++next > 0x9FA5)
            next = 0x4E00;
    }
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
}
BENCHMARK(BM_UncachedGlyph)->Iterations(2000);

void BM_CachedGlyph(benchmark::State& state) {
    Surface surface(64, 32);
    HDC dc = CreateSurfaceDC(surface, POINT{0, 0}, nullptr);
    HFONT font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    HGDIOBJ old = SelectObject(dc, font);
    TextOut(dc, 0, 0, "中", 3);
    for (auto _ : state)
        TextOut(dc, 0, 0, "中", 3);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
}
BENCHMARK(BM_CachedGlyph);

} // namespace
