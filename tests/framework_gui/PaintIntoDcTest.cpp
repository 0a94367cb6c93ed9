// WM_PAINT with a device context in wParam: framework windows paint into the
// DC they are given (a memory DC here) exactly what they show on the screen,
// graphic children included, and leave their update region alone; a
// transparent panel shows its parent's painting through that route.

#include "GuiTestSupport.h"
#include "framework/gui/GraphicsColor.h"
#include "framework/gui/GroupBox.h"
#include "framework/gui/PageControl.h"
#include "platform/user/Painting.h"

#include <cstdint>
#include <memory>

namespace fw::test {
namespace {

// A memory DC over a 32-bit bitmap, filled with a colour no window paints.
class TMemoryDC {
public:
    TMemoryDC(int width, int height) : FWidth(width), FHeight(height) {
        FDC = win::CreateCompatibleDC(nullptr);
        win::BITMAPINFO info;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        FBitmap = win::CreateDIBSection(nullptr, &info, win::DIB_RGB_COLORS, &bits, nullptr, 0);
        FOld = win::SelectObject(FDC, FBitmap);
        const win::RECT all{0, 0, width, height};
        win::HBRUSH fill = win::CreateSolidBrush(kUnpainted);
        win::FillRect(FDC, &all, fill);
        win::DeleteObject(fill);
    }
    ~TMemoryDC() {
        win::SelectObject(FDC, FOld);
        win::DeleteObject(FBitmap);
        win::DeleteDC(FDC);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;

    win::HDC DC() const { return FDC; }
    win::COLORREF Pixel(int x, int y) const { return win::GetPixel(FDC, x, y); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    static constexpr win::COLORREF kUnpainted = 0x00123456;

private:
    int FWidth;
    int FHeight;
    win::HDC FDC = nullptr;
    win::HBITMAP FBitmap = nullptr;
    win::HGDIOBJ FOld = nullptr;
};

win::COLORREF AsColorRef(std::uint32_t pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

class PaintIntoDcTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        owned.reset(NewForm<TForm>(nullptr));
        TForm& f = *owned;
        f.SetBounds(50, 50, 360, 260);
        f.SetColor(clTeal);
        f.Font()->SetName("Sans");
        f.Font()->SetHeight(-12);
        formLabel = Add<TLabel>(f, 10, 10, 120, 16);
        formLabel->SetCaption("窗体上的标签");
        panel = Add<TPanel>(f, 10, 40, 150, 80);
        panel->SetCaption("面板");
        panelLabel = Add<TLabel>(*panel, 6, 6, 60, 16);
        panelLabel->SetCaption("标签");
        group = Add<TGroupBox>(f, 180, 40, 150, 80);
        group->SetCaption("分组");
        groupLabel = Add<TLabel>(*group, 10, 30, 60, 16);
        groupLabel->SetCaption("组内");
        pages = Add<TPageControl>(f, 10, 130, 200, 80);
        sheet = new TTabSheet(&f);
        sheet->SetCaption("第一页");
        sheet->SetPageControl(pages);
        sheetLabel = Add<TLabel>(*sheet, 8, 8, 60, 16);
        sheetLabel->SetCaption("页上");
        f.Show();
        display->Run();
    }
    void TearDown() override {
        owned.reset();
        GuiTest::TearDown();
    }

    template <class T> T* Add(TWinControl& parent, int left, int top, int width, int height) {
        auto* control = new T(owned.get());
        control->SetBounds(left, top, width, height);
        control->SetParent(&parent);
        return control;
    }

    // The pixel the screen shows at a client point of control.
    win::COLORREF OnScreen(TWinControl& control, int x, int y) {
        const win::Surface shot = display->Capture(control.Handle());
        win::RECT frame;
        win::GetWindowRect(owned->Handle(), &frame);
        const win::POINT at = At(control, x, y);
        return AsColorRef(shot.Row(at.y - frame.top)[at.x - frame.left]);
    }

    // Whether a client point of control lies under one of its windowed children.
    static bool UnderWindowedChild(TWinControl& control, int x, int y) {
        for (int i = 0; i < control.ControlCount(); ++i) {
            auto* child = dynamic_cast<TWinControl*>(control.Controls(i));
            if (!child || !child->Visible())
                continue;
            const win::RECT r = child->BoundsRect();
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
                return true;
        }
        return false;
    }

    TComponentPtr<TForm> owned;
    TLabel* formLabel = nullptr;
    TPanel* panel = nullptr;
    TLabel* panelLabel = nullptr;
    TGroupBox* group = nullptr;
    TLabel* groupLabel = nullptr;
    TPageControl* pages = nullptr;
    TTabSheet* sheet = nullptr;
    TLabel* sheetLabel = nullptr;
};

TEST_F(PaintIntoDcTest, AWindowPaintsIntoTheGivenDcWhatTheScreenShows) {
    struct {
        const char* what;
        TWinControl* control;
    } cases[] = {
        {"form with a label", owned.get()},
        {"panel with a label", panel},
        {"group box with a label", group},
        {"tab sheet with a label", sheet},
    };
    for (const auto& c : cases) {
        TWinControl& control = *c.control;
        const win::RECT client = control.ClientRect();
        TMemoryDC memory(client.right, client.bottom);
        win::SendMessage(control.Handle(), win::WM_ERASEBKGND,
                         reinterpret_cast<win::WPARAM>(memory.DC()), 0);
        win::SendMessage(control.Handle(), win::WM_PAINT,
                         reinterpret_cast<win::WPARAM>(memory.DC()), 0);
        int compared = 0, differing = 0;
        for (int y = 0; y < memory.Height(); ++y)
            for (int x = 0; x < memory.Width(); ++x) {
                if (UnderWindowedChild(control, x, y))
                    continue;
                ++compared;
                differing += memory.Pixel(x, y) != OnScreen(control, x, y);
            }
        EXPECT_GT(compared, 0) << c.what;
        EXPECT_EQ(differing, 0) << c.what << ": " << differing << " of " << compared;
    }
}

TEST_F(PaintIntoDcTest, PaintingIntoAGivenDcLeavesTheUpdateRegionAlone) {
    panel->SetColor(clYellow);
    TMemoryDC memory(150, 80);
    win::SendMessage(panel->Handle(), win::WM_PAINT, reinterpret_cast<win::WPARAM>(memory.DC()), 0);
    EXPECT_EQ(memory.Pixel(70, 60), ColorToRGB(clYellow));
    win::RECT update;
    EXPECT_TRUE(win::GetUpdateRect(panel->Handle(), &update, win::FALSE))
        << "the window still waits for its own WM_PAINT";
    display->Run();
    EXPECT_FALSE(win::GetUpdateRect(panel->Handle(), &update, win::FALSE));
    EXPECT_EQ(OnScreen(*panel, 70, 60), ColorToRGB(clYellow));
}

TEST_F(PaintIntoDcTest, ATransparentPanelShowsWhatItsParentPaintsUnderIt) {
    // The form's label runs under the panel: a transparent panel shows it.
    formLabel->SetBounds(20, 50, 120, 16);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetCaption("");
    panelLabel->SetVisible(false);
    panel->SetTransparent(true);
    display->Run();
    const win::RECT client = owned->ClientRect();
    TMemoryDC formOnly(client.right, client.bottom);
    panel->SetVisible(false);
    win::SendMessage(owned->Handle(), win::WM_ERASEBKGND,
                     reinterpret_cast<win::WPARAM>(formOnly.DC()), 0);
    win::SendMessage(owned->Handle(), win::WM_PAINT, reinterpret_cast<win::WPARAM>(formOnly.DC()),
                     0);
    panel->SetVisible(true);
    display->Run();
    int differing = 0, textPixels = 0;
    for (int y = 0; y < panel->Height(); ++y)
        for (int x = 0; x < panel->Width(); ++x) {
            const win::COLORREF expected = formOnly.Pixel(panel->Left() + x, panel->Top() + y);
            differing += OnScreen(*panel, x, y) != expected;
            textPixels += expected != ColorToRGB(clTeal);
        }
    EXPECT_GT(textPixels, 0) << "the label's text lies under the panel";
    EXPECT_EQ(differing, 0);

    panel->SetTransparent(false);
    display->Run();
    EXPECT_EQ(OnScreen(*panel, 30, 14), ColorToRGB(clBtnFace)) << "opaque again";
}

} // namespace
} // namespace fw::test
