#include "skin/WinSkinDataLoader.h"

#include "framework/StringUtils.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Gdi.h"
#include "skin/ImgUtilBitmaps.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinDataColorText.h"
#include "skin/WinSkinDataReaders.h"
#include "skin/WinSkinDataResources.h"
#include "skin/WinSkinDataSynthesis.h"
#include "skin/WinSkinDataTitleButtons.h"

#include <algorithm>

namespace skin {

namespace {

const std::string kPersonality = "Personality";

// The scheme colours of section "Colours", in the order they are read: the
// menu bar's default is the button face read before it.
struct TSchemeColorKey {
    int index;
    const char* key;
    fw::TColor fallback;
};
constexpr int kButtonFace = 3;
constexpr int kMenubar = 13;
constexpr TSchemeColorKey kSchemeColorKeys[] = {
    {0, "WindowText", fw::clWindowText},
    {3, "ButtonFace", fw::clBtnFace},
    {18, "Scrollbar", fw::clScrollBar},
    {11, "HilightText", fw::clHighlightText},
    {12, "Hilight", fw::clHighlight},
    {13, "Menubar", fw::clBtnFace},
    {16, "Menu", fw::clMenu},
    {15, "MenuText", fw::clMenuText},
    {4, "ButtonText", fw::clBtnText},
    {5, "ButtonHilight", fw::clBtnHighlight},
    {6, "Buttonlight", fw::clBtnHighlight},
    {7, "ButtonShadow", fw::clBtnShadow},
    {8, "ButtonDkShadow", fw::cl3DDkShadow},
    {14, "MenuBarText", fw::clMenuText},
    {1, "TitleTextActive", fw::clCaptionText},
    {2, "TitleTextNoActive", fw::clInactiveCaptionText},
};

void ReadFrameParts(TSkinData& data, const TSkinSectionReader& sections) {
    for (auto& part : data.border) {
        const std::string& B = part->IDName;
        sections.Bitmap(*part->Map, kPersonality, B);
        // Painters divide a frame part's image by its frame count.
        part->frame = std::max(1, sections.Integer(kPersonality, B + "Frame", 1));
        part->Tile = std::min(1, sections.Integer(kPersonality, B + "Stretch", 1));
        part->trans = sections.Integer(kPersonality, B + "Trans", 1);
        const std::int32_t first = sections.Integer(kPersonality, B + "TopHeight", 0);
        const std::int32_t last = sections.Integer(kPersonality, B + "BotHeight", 0);
        const bool upright = B == "Left" || B == "Right";
        part->r = upright ? win::RECT{0, first, 0, last} : win::RECT{first, 0, last, 0};
    }
}

void ReadSchemeColors(TSkinData& data, const TSkinSectionReader& sections) {
    for (const TSchemeColorKey& entry : kSchemeColorKeys) {
        const auto index = static_cast<std::size_t>(entry.index);
        const fw::TColor fallback =
            entry.index == kMenubar ? data.Colors[kButtonFace] : entry.fallback;
        data.hasColors[index] = sections.Given("Colours", entry.key);
        data.Colors[index] = sections.Color("Colours", entry.key, fallback);
    }
    data.ColorPreset.clear();
    for (int i = 0; i < data.sectionlist->Count(); ++i) {
        const std::string name = data.sectionlist->Strings(i);
        const std::string upper = fw::UpperCase(name);
        if (upper.starts_with("COLOUR") && upper != "COLOURS")
            data.ColorPreset.push_back(sections.Color(name, "color", fw::clWindowText));
    }
}

void ReadButton(TSkinData& data, const TSkinSectionReader& sections) {
    const std::string section = "Buttons";
    TDataSkinButton& button = *data.Button;
    sections.ReadSlices(button, section);
    if (button.Tile > 1)
        button.Tile = 0;
    sections.Bitmap(*button.Map, section, "Bitmap");
    sections.Bitmap(*button.CheckMap, section, "CheckButton");
    sections.Bitmap(*button.RadioMap, section, "RadioButton");
    sections.ReadTextColors(button, section);
    button.radioframe = sections.Integer(section, "RadioButtonFrame", 0);
    button.checkframe = sections.Integer(section, "CheckButtonFrame", 0);
    button.newnormal = sections.Given(section, "NormalColour2");
    button.newover = sections.Given(section, "MouseOverColour2");
    button.newdown = sections.Given(section, "PressedColour2");
}

// name + "R", "G", "B", when all three are given as 0 or more.
fw::TColor CaptionTextColor(const TSkinSectionReader& sections, const std::string& name) {
    const std::int32_t r = sections.Integer(kPersonality, name + "R", -1);
    const std::int32_t g = sections.Integer(kPersonality, name + "G", -1);
    const std::int32_t b = sections.Integer(kPersonality, name + "B", -1);
    if (r < 0 || g < 0 || b < 0)
        return kNoCaptionColor;
    return static_cast<fw::TColor>((r & 0xFF) + ((g << 8) & 0xFFFF) + ((b << 16) & 0xFFFFFF));
}

void ReadTitle(TSkinData& data, const TSkinSectionReader& sections) {
    TDataSkinTitle& title = *data.Title;
    sections.Bitmap(*title.Map, kPersonality, "TextBack");
    title.r = {sections.Integer(kPersonality, "TextShift", 0),
               sections.Integer(kPersonality, "TextShiftVert", 0),
               sections.Integer(kPersonality, "TextRightClip", 0), 0};
    title.Aligment = sections.Integer(kPersonality, "TextAlignment", 0);
    title.BackGround = sections.Integer(kPersonality, "Textbackground", 0);
    title.FontHeight = sections.Integer("Fonts", "FontHeight", 14);
    title.backleft = sections.Integer(kPersonality, "TXTBackleft", 0);
    title.backright = sections.Integer(kPersonality, "TXTBackRight", 0);
    title.activetext = CaptionTextColor(sections, "ActiveText");
    title.inactivetext = CaptionTextColor(sections, "InActiveText");
}

// A skin without a track draws the program's own.
std::unique_ptr<TDataSkinObject> BuiltInTrack(const std::string& name) {
    auto track = std::make_unique<TDataSkinObject>(name);
    LoadBitmapResource(*track->Map, name);
    track->r = {3, 3, 3, 3};
    track->Tile = 0;
    track->frame = 1;
    return track;
}

void ReadSingleObjects(TSkinData& data, const TSkinSectionReader& sections) {
    data.progress = sections.BitmapObject("Progress");
    data.progresschunk = sections.ImageObject("Progress.Chunk");
    data.Menubar = sections.MenuBar();
    data.Box = sections.ImageObject("GroupBoxEdge");
    data.boxlabel = sections.BoxLabel("GroupBox");
    data.tab = sections.ImageWithMask("Tabs", "Border");
    data.StatusBar = sections.ImageObject("StatusBarEdges");
    data.TabSheet = sections.ImageObject("Tab.Pane");
    if (data.TabSheet) {
        win::RECT& r = data.TabSheet->r;
        for (win::LONG* margin : {&r.left, &r.top, &r.right, &r.bottom})
            *margin = std::min<win::LONG>(*margin, 4);
    }
    data.Toolbarbtn = sections.ImageObject("ToolBars");
    // No skin names a key "****": the mask is the button mirrored.
    data.combox = sections.ImageWithMask("ComboButton", "****");
    if (data.combox && !data.combox->Map->Empty()) {
        data.combox->MaskMap->Assign(*data.combox->Map);
        data.combox->MaskMap->SetPixelFormat(fw::TPixelFormat::pf24bit);
        MirrorBitmap(*data.combox->MaskMap);
    }
    data.Comboxborder = sections.ImageObject("SunkEdge");
    data.ExtraImages = sections.ImageObject("ExtraImages");
    data.Header = sections.ImageObject("Headerbar");
    data.MenuItem = sections.ImageObject("MenuItem");
    data.MenuitemBG = sections.ImageObject("MenuBackground");
    data.SArrow = sections.ImageObject("Scrollbar");
    data.HBar = sections.ImageObject("HorzScroll");
    data.VBar = sections.ImageObject("VertScroll");
    data.HSlider = sections.ImageObject("HorzScrollThumb");
    data.VSlider = sections.ImageObject("VertScrollThumb");
    data.TrackHorz = sections.ImageObject("Trackbar.ThumbHorz");
    data.TrackVert = sections.ImageObject("Trackbar.ThumbVert");
    data.TrackLeft = sections.ImageObject("Trackbar.ThumbLeft");
    data.Trackright = sections.ImageObject("Trackbar.ThumbRight");
    data.Tracktop = sections.ImageObject("Trackbar.ThumbUp");
    data.Trackbottom = sections.ImageObject("Trackbar.ThumbDown");
    data.HSpin = sections.ImageWithMask("UpDown.Horz", "GlyphImage");
    data.VSpin = sections.ImageWithMask("UpDown.Vert", "GlyphImage");
    data.TrackBar = sections.ImageObject("Track");
    if (!data.TrackBar)
        data.TrackBar = BuiltInTrack("TRACK");
    data.TrackBarVert = sections.ImageObject("TRACKVERT");
    if (!data.TrackBarVert)
        data.TrackBarVert = BuiltInTrack("TRACKVERT");
}

// RadioMap or CheckMap: 13-pixel states in a low strip, else 16-pixel ones.
std::int32_t StripFrameCount(const fw::TBitmap& strip) {
    const int stateWidth = strip.Height() < 16 ? 13 : 16;
    return std::max(4, strip.Width() / stateWidth);
}

template <class T> void SetFrame(const std::unique_ptr<T>& object, std::int32_t frame) {
    if (object)
        object->frame = frame;
}

void FixFrameCounts(TSkinData& data, const TSkinSectionReader& sections) {
    TDataSkinButton& button = *data.Button;
    button.frame = 5;
    if (button.radioframe == 0)
        button.radioframe = StripFrameCount(*button.RadioMap);
    if (button.checkframe == 0)
        button.checkframe = StripFrameCount(*button.CheckMap);
    data.Title->frame = 2;
    if (data.progress)
        data.progress->frame = data.progress->style == 0 ? 2 : 1;
    for (const auto* object : {&data.Menubar, &data.Box})
        SetFrame(*object, 2);
    SetFrame(data.Toolbar, 1);
    for (const auto* object :
         {&data.Toolbarbtn, &data.ExtraImages, &data.MenuItem, &data.TrackHorz, &data.TrackVert,
          &data.TrackLeft, &data.Trackright, &data.Tracktop, &data.Trackbottom})
        SetFrame(*object, 5);
    SetFrame(data.tab, 5);
    for (const auto* object : {&data.TabSheet, &data.MenuitemBG})
        SetFrame(*object, 1);
    SetFrame(data.boxlabel, 1);
    SetFrame(data.StatusBar, 3);
    for (const auto* object : {&data.Comboxborder, &data.HBar, &data.VBar})
        SetFrame(*object, 4);
    SetFrame(data.combox, 4);
    if (data.Header && data.Header->frame == 0)
        data.Header->frame = 5;
    SetFrame(data.SArrow, 23);
    SetFrame(data.HSpin, 8);
    SetFrame(data.VSpin, 8);
    SetFrame(data.HSlider, sections.Integer("HorzScrollThumb", "FrameCount", 3));
    SetFrame(data.VSlider, sections.Integer("VertScrollThumb", "FrameCount", 3));
}

void MakeBackgroundBrush(TSkinData& data) {
    // A skin without a button face leaves a system colour here: the brush
    // takes the colour it stands for.
    data.BGBrush.reset(win::CreateSolidBrush(fw::ColorToRGB(data.Colors[kButtonFace])));
}

} // namespace

void LoadSkinObjects(TSkinData& data) {
    data.sectionlist = std::make_unique<fw::TStringList>();
    data.ini->ReadSections(data.sectionlist.get());
    const TSkinSectionReader sections(data);
    data.SkinName = data.ini->ReadString("TitlebarSkin", "SkinName", "");
    ReadFrameParts(data, sections);
    ReadSchemeColors(data, sections);
    LoadTitleButtons(data, sections);
    ReadButton(data, sections);
    ReadTitle(data, sections);
    ReadSingleObjects(data, sections);
    FixFrameCounts(data, sections);
    BuildSunkenCombo(data);
    BuildComboArrow(data);
    BuildToolbarBackground(data);
    data.Colors[17] = data.GetCaptionColor();
    MakeBackgroundBrush(data);
    data.sectionlist.reset();
    data.Empty = false;
}

} // namespace skin
