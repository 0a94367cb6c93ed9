// The skin drawing a window repaint does most, on our skin's own images:
// nine-slicing the caption part (632 x 56) across a 1,280-pixel-wide window
// and a push button image (100 x 23, five frames) onto an 87 x 29 button,
// and a 40-line gradient; each beside one memcpy of its target's bytes, the
// yardstick the costs are read against.

#include "framework/MemoryStream.h"
#include "framework/gui/Bitmap.h"
#include "skin/ImgUtilGradient.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinNineSlice.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<fw::TBitmap> SkinBitmap(const char* name) {
    std::ifstream in(TELVORA_SKIN_FILE, std::ios::binary);
    const std::vector<char> bytes(std::istreambuf_iterator<char>(in), {});
    fw::TMemoryStream file;
    file.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    skin::TSkinReader reader;
    reader.Loadfromstream(file);
    fw::TMemoryStream entry;
    reader.readfile(name, entry);
    auto bitmap = std::make_unique<fw::TBitmap>();
    bitmap->LoadFromStream(entry);
    return bitmap;
}

// A 32-bit target, as a window's surface is.
std::unique_ptr<fw::TBitmap> Target(int width, int height) {
    auto target = std::make_unique<fw::TBitmap>();
    target->SetPixelFormat(fw::TPixelFormat::pf32bit);
    target->SetSize(width, height);
    return target;
}

std::size_t TargetBytes(int width, int height) {
    return std::size_t(width) * 4 * std::size_t(height);
}

void NineSlice(benchmark::State& state, const char* image, int frames, win::RECT margins, int width,
               int height, int tile, bool transparent) {
    const auto source = SkinBitmap(image);
    const auto target = Target(width, height);
    const win::HDC dc = target->Canvas()->Handle();
    for (auto _ : state) {
        skin::DrawSkinImage(dc, {0, 0, width, height}, *source, skin::TFrameLayout::Horizontal,
                            tile, transparent, frames, 1, margins);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * TargetBytes(width, height)));
}

void BM_CaptionNineSlice(benchmark::State& state) {
    NineSlice(state, "frametop.bmp", 1, {12, 0, 12, 0}, 1280, 56, int(state.range(0)), false);
}
BENCHMARK(BM_CaptionNineSlice)->Arg(0)->Arg(1)->ArgName("tile");

void BM_ButtonNineSlice(benchmark::State& state) {
    NineSlice(state, "buttons.bmp", 5, {7, 4, 8, 4}, 87, 29, 0, true);
}
BENCHMARK(BM_ButtonNineSlice);

void BM_Gradient40(benchmark::State& state) {
    const auto target = Target(10, 40);
    const win::HDC dc = target->Canvas()->Handle();
    for (auto _ : state) {
        skin::GradientFill(dc, {0, 0, 10, 40}, static_cast<fw::TColor>(0xFDF7F2),
                           skin::TGradientDirection::TopToBottom,
                           static_cast<fw::TColor>(0xF0C9A0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * TargetBytes(10, 40)));
}
BENCHMARK(BM_Gradient40);

// One copy of a target's bytes: 1,280 x 56, 87 x 29 and 10 x 40 pixels.
void BM_Memcpy(benchmark::State& state) {
    const std::size_t size = std::size_t(state.range(0));
    std::vector<std::uint8_t> from(size, 0x5A), to(size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * size));
}
BENCHMARK(BM_Memcpy)
    ->Arg(int(TargetBytes(1280, 56)))
    ->Arg(int(TargetBytes(87, 29)))
    ->Arg(int(TargetBytes(10, 40)));

} // namespace
