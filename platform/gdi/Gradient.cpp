// GradientFill: rectangles shaded left to right or top to bottom, and
// triangles shaded between their three vertex colours. Colours are 16-bit per
// channel as TRIVERTEX holds them; the drawn byte is the high byte.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace win {

namespace {

struct Color16 {
    long long r, g, b;
};

Color16 ColorOf(const TRIVERTEX& v) {
    return {v.Red, v.Green, v.Blue};
}

std::uint32_t Pixel(long long r, long long g, long long b) {
    return (std::uint32_t((r >> 8) & 0xFF) << 16) | (std::uint32_t((g >> 8) & 0xFF) << 8) |
           std::uint32_t((b >> 8) & 0xFF);
}

// The colour at step i of n from a to b.
std::uint32_t Lerp(const Color16& a, const Color16& b, long long i, long long n) {
    if (n <= 0)
        return Pixel(a.r, a.g, a.b);
    return Pixel(a.r + (b.r - a.r) * i / n, a.g + (b.g - a.g) * i / n, a.b + (b.b - a.b) * i / n);
}

void FillRectGradient(DeviceContext& dc, const TRIVERTEX& v0, const TRIVERTEX& v1, bool vertical) {
    const POINT p0 = dc.ToTarget(POINT{v0.x, v0.y});
    const POINT p1 = dc.ToTarget(POINT{v1.x, v1.y});
    // The vertex order decides the direction of the shading.
    const RECT rect{std::min(p0.x, p1.x), std::min(p0.y, p1.y), std::max(p0.x, p1.x),
                    std::max(p0.y, p1.y)};
    const bool reversed = vertical ? p1.y < p0.y : p1.x < p0.x;
    const Color16 from = ColorOf(reversed ? v1 : v0), to = ColorOf(reversed ? v0 : v1);
    const long long extent = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    const PixelView target = dc.Target();
    RowEditor editor(target);
    // Across the rows of a horizontal gradient the colours repeat: each part's
    // row is shaded once (into a buffer kept for the thread) and copied.
    thread_local std::vector<std::uint32_t> shades;
    dc.Clip().ForEachPart(rect, [&](const RECT& part) {
        const int n = part.right - part.left;
        if (!vertical) {
            shades.resize(std::max(shades.size(), std::size_t(n)));
            for (int i = 0; i < n; ++i)
                shades[std::size_t(i)] = Lerp(from, to, part.left + i - rect.left, extent);
        }
        for (int row = part.top; row < part.bottom; ++row) {
            std::uint32_t* out = editor.Open(row, part.left, n);
            if (vertical)
                std::fill(out, out + n, Lerp(from, to, row - rect.top, extent));
            else
                std::copy_n(shades.begin(), n, out);
            editor.Commit();
        }
    });
}

void FillTriangle(DeviceContext& dc, const TRIVERTEX& a, const TRIVERTEX& b, const TRIVERTEX& c) {
    const POINT pa = dc.ToTarget(POINT{a.x, a.y});
    const POINT pb = dc.ToTarget(POINT{b.x, b.y});
    const POINT pc = dc.ToTarget(POINT{c.x, c.y});
    const long long area =
        (long long)(pb.x - pa.x) * (pc.y - pa.y) - (long long)(pc.x - pa.x) * (pb.y - pa.y);
    if (area == 0)
        return;
    const RECT box{std::min({pa.x, pb.x, pc.x}), std::min({pa.y, pb.y, pc.y}),
                   std::max({pa.x, pb.x, pc.x}), std::max({pa.y, pb.y, pc.y})};
    const PixelView target = dc.Target();
    RowEditor editor(target);
    dc.Clip().ForEachPart(box, [&](const RECT& part) {
        const int n = part.right - part.left;
        for (int row = part.top; row < part.bottom; ++row) {
            std::uint32_t* out = editor.Open(row, part.left, n);
            for (int i = 0; i < n; ++i) {
                // Barycentric weights at the pixel centre, doubled to stay integral.
                const long long px = 2LL * (part.left + i) + 1, py = 2LL * row + 1;
                const long long wa =
                    (2LL * pb.x - px) * (2LL * pc.y - py) - (2LL * pc.x - px) * (2LL * pb.y - py);
                const long long wb =
                    (2LL * pc.x - px) * (2LL * pa.y - py) - (2LL * pa.x - px) * (2LL * pc.y - py);
                const long long wc = 4 * area - wa - wb;
                const bool inside =
                    area > 0 ? (wa >= 0 && wb >= 0 && wc >= 0) : (wa <= 0 && wb <= 0 && wc <= 0);
                if (!inside)
                    continue;
                const long long total = 4 * area;
                // Weights reach 2^58 for far vertices: the products need 128 bits.
                auto channel = [&](long long va, long long vb, long long vc) {
                    const __int128 sum = (__int128)va * wa + (__int128)vb * wb + (__int128)vc * wc;
                    return (long long)(sum / total);
                };
                out[i] = Pixel(channel(a.Red, b.Red, c.Red), channel(a.Green, b.Green, c.Green),
                               channel(a.Blue, b.Blue, c.Blue));
            }
            editor.Commit();
        }
    });
}

} // namespace

BOOL GradientFill(HDC hdc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount,
                  ULONG mode) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !vertices || !mesh)
        return FALSE;
    if (mode == GRADIENT_FILL_RECT_H || mode == GRADIENT_FILL_RECT_V) {
        const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
        for (ULONG i = 0; i < meshCount; ++i)
            if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount)
                return FALSE;
        for (ULONG i = 0; i < meshCount; ++i)
            FillRectGradient(*dc, vertices[rects[i].UpperLeft], vertices[rects[i].LowerRight],
                             mode == GRADIENT_FILL_RECT_V);
        return TRUE;
    }
    if (mode == GRADIENT_FILL_TRIANGLE) {
        const auto* triangles = static_cast<const GRADIENT_TRIANGLE*>(mesh);
        for (ULONG i = 0; i < meshCount; ++i) {
            const GRADIENT_TRIANGLE& t = triangles[i];
            if (t.Vertex1 >= vertexCount || t.Vertex2 >= vertexCount || t.Vertex3 >= vertexCount)
                return FALSE;
        }
        for (ULONG i = 0; i < meshCount; ++i)
            FillTriangle(*dc, vertices[triangles[i].Vertex1], vertices[triangles[i].Vertex2],
                         vertices[triangles[i].Vertex3]);
        return TRUE;
    }
    return FALSE;
}

} // namespace win
