// The cost of a full repaint of a 624 x 564 window with 30 child windows, in
// copies of its surface (the budget is 20), and of repainting it unchanged.

#include "platform/backend/headless/TestDisplay.h"
#include "platform/user/BackendSupport.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "tests/support/AllocationCounter.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace win {
namespace {

LRESULT PaintingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC hdc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        InflateRect(&client, -2, -2);
        FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

HWND BuildWindow() {
    headless::TestDisplay::Install();
    WNDCLASS wc;
    wc.lpfnWndProc = PaintingProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1));
    wc.lpszClassName = "BenchWindow";
    RegisterClass(&wc);
    HWND main = CreateWindowEx(0, "BenchWindow", "Bench",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 624, 564,
                               nullptr, nullptr, nullptr, nullptr);
    for (int i = 0; i < 30; ++i)
        CreateWindowEx(WS_EX_CLIENTEDGE, "BenchWindow", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                       10 + (i % 6) * 100, 10 + (i / 6) * 100, 90, 90, main, nullptr, nullptr,
                       nullptr);
    UpdateWindow(main);
    return main;
}

double SurfaceCopySeconds(const Surface& surface) {
    std::vector<std::uint32_t> target(surface.pixels.size());
    constexpr int rounds = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        std::memcpy(target.data(), surface.pixels.data(), surface.pixels.size() * 4);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void BM_FullRepaint(benchmark::State& state) {
    static HWND main = BuildWindow();
    const double copy = SurfaceCopySeconds(*GetWindowSurface(main));
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        RedrawWindow(main, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["surface_copies"] = total / double(state.iterations()) / copy;
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

void BM_UnchangedRepaint(benchmark::State& state) {
    static HWND main = BuildWindow();
    long counted = 0;
    for (auto _ : state) {
        const long before = testsupport::AllocationCount();
        RedrawWindow(main, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        counted += testsupport::AllocationCount() - before;
    }
    state.counters["allocations"] = double(counted) / double(state.iterations());
}
BENCHMARK(BM_UnchangedRepaint)->Unit(benchmark::kMicrosecond);

void BM_SurfaceCopy(benchmark::State& state) {
    Surface surface(624, 564);
    std::vector<std::uint32_t> target(surface.pixels.size());
    for (auto _ : state) {
        std::memcpy(target.data(), surface.pixels.data(), surface.pixels.size() * 4);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SurfaceCopy)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace win

BENCHMARK_MAIN();
