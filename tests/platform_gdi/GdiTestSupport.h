#pragma once
// Shared helpers of the drawing tests: a fixture that fails a test which leaks
// handles, and small bitmaps whose pixels are easy to state.

#include "platform/gdi/Gdi.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace gditest {

using namespace win;

class GdiTest : public ::testing::Test {
protected:
    static constexpr std::array<DWORD, 7> kTypes = {OBJ_DC,  OBJ_MEMDC, OBJ_BITMAP, OBJ_BRUSH,
                                                    OBJ_PEN, OBJ_FONT,  OBJ_REGION};
    void SetUp() override {
        for (std::size_t i = 0; i < kTypes.size(); ++i)
            start_[i] = GdiObjectCount(kTypes[i]);
    }
    void TearDown() override {
        for (std::size_t i = 0; i < kTypes.size(); ++i)
            EXPECT_EQ(GdiObjectCount(kTypes[i]), start_[i])
                << "leaked objects of type " << kTypes[i];
    }

private:
    std::array<UINT, kTypes.size()> start_{};
};

// A memory DC with a 32-bit bitmap of the given size selected, filled with `fill`.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255))
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        old_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~MemoryCanvas() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    // One character per pixel of a row: '#' where the pixel is `ink`, '.' elsewhere.
    std::string Row(int y, int width, COLORREF ink) const {
        std::string s;
        for (int x = 0; x < width; ++x)
            s += At(x, y) == ink ? '#' : '.';
        return s;
    }
    std::vector<std::string> Rows(int width, int height, COLORREF ink) const {
        std::vector<std::string> rows;
        for (int y = 0; y < height; ++y)
            rows.push_back(Row(y, width, ink));
        return rows;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

} // namespace gditest
