// telvora-tool gallery OUT.png: every control kind in one window, rendered headless.

#include "platform/backend/headless/TestDisplay.h"
#include "platform/gdi/SystemMetrics.h"
#include "tools/telvora-tool/CommandTable.h"
#include "tools/telvora-tool/ControlGallery.h"

#include <stdexcept>

namespace tool {
namespace {

using namespace win;

LRESULT GalleryProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(hwnd, message, wParam, lParam);
}

int RunGallery(std::span<const std::string> args) {
    if (args.size() != 1)
        throw UsageError("expects one argument, the PNG file to write");
    headless::TestDisplay& display = headless::TestDisplay::Install();
    WNDCLASS wc{};
    wc.lpfnWndProc = GalleryProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_3DFACE + 1));
    wc.lpszClassName = "TelvoraGallery";
    RegisterClass(&wc);
    HWND window = CreateWindowEx(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                                 nullptr, nullptr, nullptr, nullptr);
    FillControlGallery(window);
    display.Run();
    if (!display.WritePng(window, args[0]))
        throw std::runtime_error("Cannot write \"" + args[0] + "\"");
    DestroyWindow(window);
    display.Run();
    return kExitOk;
}

const CommandRegistrar registrar({"gallery", "OUT.png",
                                  "every control kind in one window, rendered headless to PNG",
                                  RunGallery});

} // namespace
} // namespace tool
