// Changes made while a window is live: status panels added, changed and deleted
// on a shown status bar; a modal form released from inside its own loop; a
// bitmap drawn elsewhere while its canvas holds it.

#include "GuiTestSupport.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/GraphicsColor.h"
#include "framework/gui/StatusBar.h"
#include "platform/user/Painting.h"
#include "platform/user/controls/CommCtrl.h"

#include <string>
#include <vector>

namespace fw::test {
namespace {

using LiveChangesTest = GuiTest;

// The status bar window's parts: right edges, then texts.
struct TParts {
    std::vector<int> edges;
    std::vector<std::string> texts;
    bool operator==(const TParts&) const = default;
};

TParts PartsOf(TStatusBar& bar) {
    TParts parts;
    const auto count = static_cast<int>(win::SendMessage(bar.Handle(), win::SB_GETPARTS, 0, 0));
    parts.edges.resize(static_cast<std::size_t>(count));
    win::SendMessage(bar.Handle(), win::SB_GETPARTS, static_cast<win::WPARAM>(count),
                     reinterpret_cast<win::LPARAM>(parts.edges.data()));
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        win::SendMessage(bar.Handle(), win::SB_GETTEXTA, static_cast<win::WPARAM>(i),
                         reinterpret_cast<win::LPARAM>(text));
        parts.texts.emplace_back(text);
    }
    return parts;
}

TEST_F(LiveChangesTest, PanelsAddedChangedAndDeletedOnALiveStatusBarReachItsWindow) {
    TTestForm& f = ShowTestForm();
    auto* bar = Create<TStatusBar>(f);
    bar->SetParent(&f);
    ASSERT_TRUE(bar->HandleAllocated());
    TStatusPanels& panels = *bar->Panels();

    // Each new panel is read by the window only once it is whole.
    auto* channel = static_cast<TStatusPanel*>(panels.Add());
    channel->SetText("频道");
    channel->SetWidth(120);
    EXPECT_EQ(PartsOf(*bar), (TParts{{-1}, {"频道"}}));
    static_cast<TStatusPanel*>(panels.Add())->SetText("节目");
    static_cast<TStatusPanel*>(panels.Insert(0))->SetText("就绪");
    EXPECT_EQ(PartsOf(*bar), (TParts{{50, 170, -1}, {"就绪", "频道", "节目"}}));

    channel->SetWidth(80);
    channel->SetText("中央电视台");
    EXPECT_EQ(PartsOf(*bar), (TParts{{50, 130, -1}, {"就绪", "中央电视台", "节目"}}));

    panels.Delete(0);
    EXPECT_EQ(PartsOf(*bar), (TParts{{80, -1}, {"中央电视台", "节目"}}));
    panels.Delete(1);
    EXPECT_EQ(PartsOf(*bar), (TParts{{-1}, {"中央电视台"}}));
}

// Counts its own destruction, and whether that came while ShowModal still ran.
class TReleasedDialog : public TForm {
public:
    explicit TReleasedDialog(TComponent* owner) : TForm(owner) {}
    ~TReleasedDialog() override {
        ++destroyed;
        destroyedInModalLoop = inModalLoop;
    }
    static inline int destroyed = 0;
    static inline bool inModalLoop = false;
    static inline bool destroyedInModalLoop = false;
};

TEST_F(LiveChangesTest, AModalFormReleasedInItsLoopIsFreedOnlyAfterShowModalReturns) {
    TTestForm& f = ShowTestForm();
    auto* dialog = NewForm<TReleasedDialog>(nullptr);
    dialog->SetCaption("设置");
    dialog->SetBounds(100, 100, 200, 120);
    // From the main form's timer while the loop runs: the release, then idle
    // turns, then the modal result that ends the loop.
    int ticks = 0;
    f.Timer1->SetInterval(50);
    f.Timer1->SetOnTimer([&](TObject*) {
        if (++ticks == 1) {
            dialog->Release();
            return;
        }
        f.Timer1->SetEnabled(false);
        dialog->SetModalResult(mrOk);
    });
    TReleasedDialog::destroyed = 0;
    TModalResult result = mrNone;
    std::string captionAfter;
    f.Button1->OnClick = [&](TObject*) {
        f.Timer1->SetEnabled(true);
        TReleasedDialog::inModalLoop = true;
        result = dialog->ShowModal();
        TReleasedDialog::inModalLoop = false;
        // ShowModal's caller may still look at the form it showed.
        captionAfter = dialog->Caption();
    };
    display->Click(At(*f.Button1, 10, 10));
    EXPECT_EQ(TReleasedDialog::destroyed, 0);
    // What the application's loop does after each message.
    Application().FreeReleasedForms();
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(captionAfter, "设置");
    EXPECT_EQ(TReleasedDialog::destroyed, 1) << "freed once ShowModal has returned";
    EXPECT_FALSE(TReleasedDialog::destroyedInModalLoop);
}

// A 4x4 picture drawn through its canvas: red with a green centre.
void PaintMarker(TBitmap& bitmap) {
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect({0, 0, 4, 4});
    bitmap.Canvas()->Brush()->SetColor(clLime);
    bitmap.Canvas()->FillRect({1, 1, 3, 3});
}

TEST_F(LiveChangesTest, ABitmapWhoseCanvasHoldsItDrawsOntoFormsAndBitmaps) {
    TTestForm& f = ShowTestForm();
    TBitmap marker;
    PaintMarker(marker);
    ASSERT_NE(marker.Canvas(), nullptr) << "the canvas keeps the bitmap selected";

    TCanvas formCanvas;
    const win::HDC formDC = win::GetDC(f.Handle());
    formCanvas.SetHandle(formDC);
    TBitmap target;
    target.SetSize(8, 8);
    struct Case {
        const char* name;
        TCanvas& canvas;
    } cases[] = {{"form", formCanvas}, {"bitmap", *target.Canvas()}};
    for (const Case& c : cases) {
        c.canvas.Brush()->SetColor(clBlue);
        c.canvas.FillRect({0, 0, 8, 8});
        marker.SetTransparent(false);
        marker.Draw(c.canvas, {0, 0, 4, 4});
        // Red, taken from the corner, is left out: the blue beneath shows through.
        marker.SetTransparent(true);
        marker.Draw(c.canvas, {4, 4, 8, 8});
        EXPECT_EQ(c.canvas.Pixels(0, 0), ColorToRGB(clRed)) << c.name;
        EXPECT_EQ(c.canvas.Pixels(1, 1), ColorToRGB(clLime)) << c.name;
        EXPECT_EQ(c.canvas.Pixels(4, 4), ColorToRGB(clBlue)) << c.name;
        EXPECT_EQ(c.canvas.Pixels(5, 5), ColorToRGB(clLime)) << c.name;
    }
    formCanvas.SetHandle(nullptr);
    win::ReleaseDC(f.Handle(), formDC);

    // The drawn-on bitmap copies, and draws itself, through its live canvas too.
    TBitmap copy;
    copy.Assign(target);
    EXPECT_EQ(copy.Canvas()->Pixels(5, 5), ColorToRGB(clLime));
    EXPECT_EQ(copy.Canvas()->Pixels(4, 4), ColorToRGB(clBlue));
}

} // namespace
} // namespace fw::test
