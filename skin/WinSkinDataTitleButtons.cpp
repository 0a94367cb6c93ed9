#include "skin/WinSkinDataTitleButtons.h"

#include "framework/StringUtils.h"
#include "platform/gdi/Gdi.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinDataReaders.h"

#include <vector>

namespace skin {

namespace {

constexpr int kMdiButtonCount = 3;
constexpr int kMdiFramesPerButton = 4;
// The value the title bar painter reads as "an MDI button".
constexpr std::int32_t kMdiPlacement = 100;

// Sections "Button..." that describe a title bar button: not the push button
// and check box sections, and not a hidden button without an action.
std::vector<std::string> TitleButtonSections(const fw::TStrings& sections,
                                             const TSkinSectionReader& reader) {
    std::vector<std::string> kept;
    for (int i = 0; i < sections.Count(); ++i) {
        const std::string name = sections.Strings(i);
        const std::string upper = fw::UpperCase(name);
        if (!upper.starts_with("BUTTON") || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
            upper == "BUTTON.CHECKBOX" || upper == "BUTTON")
            continue;
        if (reader.Integer(name, "Action", 0) == -1 && reader.Integer(name, "Visibility", -1) != 0)
            continue;
        kept.push_back(name);
    }
    return kept;
}

std::unique_ptr<TDataSkinSysButton> ReadTitleButton(const std::string& section,
                                                    const TSkinSectionReader& reader) {
    auto button = std::make_unique<TDataSkinSysButton>(fw::UpperCase(section));
    button->Action = reader.Integer(section, "Action", 0);
    button->Align = reader.Integer(section, "Align", 0);
    button->XCoord = reader.Integer(section, "Xcoord", 0);
    button->YCoord = reader.Integer(section, "Ycoord", 0);
    button->Visibility = reader.Integer(section, "Visibility", 0);
    button->Visibility1 = reader.Integer(section, "Visibility1", button->Action == -1 ? -1 : 0);
    button->CombineOp = reader.Integer(section, "CombineOp", -1);
    button->frame = reader.Integer(section, "frame", 0);
    reader.Bitmap(*button->Map, section, "ButtonImage");
    return button;
}

// A button whose skin gives no frame count: the picture's proportions tell
// three states (normal, hot, pressed) from six.
void SettleFrameCount(TDataSkinSysButton& button) {
    if (button.frame != 0)
        return;
    button.frame = 6;
    const fw::TBitmap& image = *button.Map;
    if (!image.Empty())
        button.frame = double(image.Width()) / double(image.Height()) <= 3.8 ? 3 : 6;
    if (button.Action < 0)
        button.frame = 6;
    // The system icon and the help button are drawn from elsewhere.
    if (button.Action == 3 || button.Action == 11)
        button.Map->SetSize(0, 0);
}

// Frames 4i to 4i + 3 of the twelve of image.
void CutMdiImage(const fw::TBitmap& image, int i, fw::TBitmap& target) {
    const int w = image.Width() / (kMdiButtonCount * kMdiFramesPerButton);
    target.SetSize(kMdiFramesPerButton * w, image.Height());
    if (target.Empty())
        return;
    const fw::TBitmap::TSelectedDC source(image);
    win::BitBlt(target.Canvas()->Handle(), 0, 0, kMdiFramesPerButton * w, image.Height(), source.dc,
                kMdiFramesPerButton * i * w, 0, win::SRCCOPY);
}

void AppendMdiButtons(TSkinData& data, const TSkinSectionReader& reader) {
    fw::TBitmap image;
    reader.Bitmap(image, "MDICONTROLS", "Image");
    const int w = image.Width() / (kMdiButtonCount * kMdiFramesPerButton);
    for (int i = 0; i < kMdiButtonCount; ++i) {
        auto button = std::make_unique<TDataSkinSysButton>();
        button->Action = 7 + i;
        button->Align = button->Visibility = button->Visibility1 = kMdiPlacement;
        button->frame = kMdiFramesPerButton;
        if (!image.Empty()) {
            CutMdiImage(image, i, *button->Map);
            button->XCoord = (w + 4) * (kMdiButtonCount - i);
        }
        data.SysBtn.push_back(std::move(button));
    }
}

} // namespace

void LoadTitleButtons(TSkinData& data, const TSkinSectionReader& reader) {
    data.SysBtn.clear();
    const std::vector<std::string> sections = TitleButtonSections(*data.sectionlist, reader);
    data.SysBtn.reserve(sections.size() + kMdiButtonCount);
    // Where the maximise button sits; a later button of action 4 sits there too.
    std::int32_t maximiseX = 0;
    std::int32_t maximiseY = 0;
    for (const std::string& section : sections) {
        auto button = ReadTitleButton(section, reader);
        if (button->Action == 1 && button->Visibility == 2) {
            maximiseX = button->XCoord;
            maximiseY = button->YCoord;
        } else if (button->Action == 4) {
            button->XCoord = maximiseX;
            button->YCoord = maximiseY;
        }
        SettleFrameCount(*button);
        data.SysBtn.push_back(std::move(button));
    }
    AppendMdiButtons(data, reader);
}

} // namespace skin
