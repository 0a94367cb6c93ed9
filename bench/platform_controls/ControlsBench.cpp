// Painting a multi-line edit and a list box costs what is visible, not what is
// held: compare 50 against 5,000 lines or items (the ratio should stay near 1).
// Filling them grows linearly: compare 5,000 against 50,000.

#include "platform/backend/headless/TestDisplay.h"
#include "platform/user/Painting.h"
#include "platform/user/controls/CommCtrl.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace win;

HWND Parent() {
    static HWND parent = [] {
        headless::TestDisplay::Install();
        InitCommonControls();
        return CreateWindowEx(0, WC_STATIC, "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                              nullptr, nullptr, nullptr);
    }();
    return parent;
}

std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "第" + std::to_string(i) + "行 CCTV-1 综合 新闻联播\r\n";
    return text;
}

HWND Child(const char* className, DWORD style) {
    return CreateWindowEx(WS_EX_CLIENTEDGE, className, "",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | style, 10, 10, 300, 300, Parent(),
                          nullptr, nullptr, nullptr);
}

void Repaint(benchmark::State& state, HWND hwnd) {
    for (auto _ : state) {
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
    }
}

void BM_PaintEdit(benchmark::State& state) {
    HWND edit = Child(WC_EDIT, ES_MULTILINE | ES_AUTOVSCROLL);
    SetWindowText(edit, Lines(int(state.range(0))).c_str());
    Repaint(state, edit);
    DestroyWindow(edit);
}
BENCHMARK(BM_PaintEdit)->Arg(50)->Arg(5000);

void BM_PaintListBox(benchmark::State& state) {
    HWND list = Child(WC_LISTBOX, 0);
    for (int i = 0; i < state.range(0); ++i)
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("CCTV-1 综合"));
    SendMessage(list, LB_SETCURSEL, WPARAM(state.range(0) / 2), 0);
    Repaint(state, list);
    DestroyWindow(list);
}
BENCHMARK(BM_PaintListBox)->Arg(50)->Arg(5000);

void BM_FillEdit(benchmark::State& state) {
    HWND edit = Child(WC_EDIT, ES_MULTILINE | ES_AUTOVSCROLL);
    const std::string text = Lines(int(state.range(0)));
    for (auto _ : state)
        SetWindowText(edit, text.c_str());
    DestroyWindow(edit);
}
BENCHMARK(BM_FillEdit)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_FillWrappedEdit(benchmark::State& state) {
    HWND edit = Child(WC_EDIT, ES_MULTILINE);
    const std::string text = Lines(int(state.range(0)));
    for (auto _ : state)
        SetWindowText(edit, text.c_str());
    DestroyWindow(edit);
}
BENCHMARK(BM_FillWrappedEdit)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_FillListBox(benchmark::State& state) {
    HWND list = Child(WC_LISTBOX, 0);
    for (auto _ : state) {
        SendMessage(list, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < state.range(0); ++i)
            SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("CCTV-1 综合"));
    }
    DestroyWindow(list);
}
BENCHMARK(BM_FillListBox)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_TypeAtEndOfLongEdit(benchmark::State& state) {
    HWND edit = Child(WC_EDIT, ES_MULTILINE | ES_AUTOVSCROLL);
    SetWindowText(edit, Lines(int(state.range(0))).c_str());
    SendMessage(edit, EM_SETSEL, WPARAM(-2), -1);
    // A character typed and taken back, so the text stays as it was.
    for (auto _ : state) {
        SendMessage(edit, WM_CHAR, 'x', 0);
        SendMessage(edit, WM_CHAR, VK_BACK, 0);
    }
    DestroyWindow(edit);
}
BENCHMARK(BM_TypeAtEndOfLongEdit)->Arg(50)->Arg(5000);

} // namespace
