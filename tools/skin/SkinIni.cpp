#include "tools/skin/SkinIni.h"

#include <sstream>
#include <utility>
#include <vector>

namespace skinart {

// 24 characters, so the directory holds 593 bytes as our skin's always has.
const char* const kSkinIniName = "telvora-clear-sky-ui.ini";

namespace {

using TKeys = std::vector<std::pair<const char*, std::string>>;

struct TSection {
    const char* name;
    TKeys keys;
};

// Margins as left, top, right, bottom.
TKeys Margins(int left, int top, int right, int bottom) {
    return {{"LeftWidth", std::to_string(left)},
            {"TopHeight", std::to_string(top)},
            {"RightWidth", std::to_string(right)},
            {"BottomHeight", std::to_string(bottom)}};
}

TKeys Join(TKeys keys, const TKeys& more) {
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

TSection CaptionButton(int number, const char* image, int action, int xcoord, int visibility,
                       int visibility1) {
    TKeys keys;
    if (image)
        keys.push_back({"ButtonImage", image});
    keys.insert(keys.end(), {{"Action", std::to_string(action)},
                             {"Align", action == 3 ? "0" : "1"},
                             {"Xcoord", std::to_string(xcoord)},
                             {"Ycoord", action == 3 ? "6" : "4"},
                             {"Visibility", std::to_string(visibility)},
                             {"Visibility1", std::to_string(visibility1)},
                             {"CombineOp", "-1"}});
    static const char* const names[] = {"Button0", "Button1", "Button2", "Button3", "Button4"};
    return {names[number], keys};
}

std::vector<TSection> Sections() {
    const TKeys keyed = {{"Trans", "1"}};
    return {
        {"TitlebarSkin", {{"SkinName", "Telvora Clear Sky"}}},
        {"Skins", {{"Author", "Telvora"}, {"Version", "1.0"}}},
        {"Buttons", Join(Join({{"Bitmap", "Buttons.bmp"}}, Margins(7, 4, 8, 4)),
                         {{"Trans", "1"},
                          {"Tile", "0"},
                          {"CheckButton", "CheckBox.bmp"},
                          {"CheckButtonFrame", "12"},
                          {"RadioButton", "RadioButton.bmp"},
                          {"RadioButtonFrame", "8"},
                          {"NormalColour2", "30 58 95"},
                          {"MouseOverColour2", "22 84 160"},
                          {"PressedColour2", "20 44 78"}})},
        {"Progress",
         Join(Join({{"Bitmap", "Progress.bmp"}, {"Style", "1"}}, Margins(3, 3, 3, 3)), keyed)},
        {"Progress.Chunk",
         Join(Join({{"Image", "ProgressChunk.bmp"}, {"Frame", "1"}}, Margins(3, 3, 3, 3)), keyed)},
        {"Tabs",
         Join(Join({{"Image", "Tab.bmp"}, {"Border", "TabSheet.bmp"}, {"Frame", "5"}},
                   Margins(4, 4, 4, 2)),
              {{"Trans", "1"}, {"NormalColour2", "74 106 149"}, {"MouseOverColour2", "30 58 95"}})},
        {"Tab.Pane", Join({{"Image", "TabSheet.bmp"}}, Margins(4, 4, 4, 4))},
        {"ComboButton",
         Join(Join({{"Image", "ComboBoxBtn.bmp"}, {"Frame", "4"}}, Margins(3, 3, 3, 3)), keyed)},
        {"StatusBarEdges",
         Join(Join({{"Image", "StatusBar.bmp"}, {"Frame", "3"}}, Margins(3, 3, 3, 3)),
              {{"NormalColour2", "30 58 95"}})},
        {"Headerbar", Join({{"Image", "Header.bmp"}, {"Frame", "5"}}, Margins(2, 2, 3, 2))},
        {"Scrollbar", Join({{"Image", "ScrollBarArrow.bmp"}}, keyed)},
        {"HorzScrollThumb",
         Join(Join({{"Image", "ScrollBarHThumb.bmp"}, {"FrameCount", "4"}}, Margins(5, 4, 5, 4)),
              keyed)},
        {"VertScrollThumb",
         Join(Join({{"Image", "ScrollBarVThumb.bmp"}, {"FrameCount", "4"}}, Margins(4, 5, 4, 5)),
              keyed)},
        {"HorzScroll", Join({{"Image", "ScrollBarHBar.bmp"}}, Margins(2, 2, 2, 2))},
        {"VertScroll", Join({{"Image", "ScrollBarVBar.bmp"}}, Margins(2, 2, 2, 2))},
        {"MenuBackground", Join({{"Image", "MenuBackground.bmp"}}, Margins(3, 3, 3, 3))},
        {"MenuItem",
         Join(Join({{"Image", "MenuItem.bmp"}, {"Frame", "5"}}, Margins(4, 4, 4, 4)), keyed)},
        {"ExtraImages", Join({{"Image", "ExtraImages.bmp"}, {"Frame", "5"}}, keyed)},
        {"Trackbar.ThumbHorz",
         Join(Join({{"Image", "TrackThumbH.bmp"}, {"Frame", "5"}}, Margins(3, 4, 3, 4)), keyed)},
        {"Trackbar.ThumbDown",
         Join(Join({{"Image", "TrackBot.bmp"}, {"Frame", "5"}}, Margins(3, 3, 3, 7)), keyed)},
        {"Track", Join({{"Image", "TrackBar.bmp"}}, Margins(2, 2, 2, 2))},
        {"TRACKVERT", Join({{"Image", "TrackBarV.bmp"}}, Margins(2, 2, 2, 2))},
        {"MDICONTROLS", {{"Image", "MDIButton.bmp"}}},
        {"UpDown.Vert",
         Join(Join({{"Image", "Spin.bmp"}, {"GlyphImage", "SpinArrow.bmp"}}, Margins(3, 3, 3, 3)),
              keyed)},
        {"UpDown.Horz",
         Join(Join({{"Image", "SpinH.bmp"}, {"GlyphImage", "SpinHArrow.bmp"}}, Margins(3, 3, 3, 3)),
              keyed)},
        CaptionButton(0, "CloseButton.bmp", 0, 27, 0, 0),
        CaptionButton(1, "MaxButton.bmp", 1, 50, 2, 6),
        CaptionButton(2, "MinButton.bmp", 2, 73, 8, 0),
        CaptionButton(3, "RestroreButton.bmp", 1, 50, 1, 6),
        CaptionButton(4, nullptr, 3, 8, 0, 0),
        {"Personality", {{"Left", "FrameLeft.bmp"},     {"LeftFrame", "2"},
                         {"LeftStretch", "1"},          {"LeftTrans", "1"},
                         {"LeftTopHeight", "28"},       {"LeftBotHeight", "5"},
                         {"Right", "FrameRight.bmp"},   {"RightFrame", "2"},
                         {"RightStretch", "1"},         {"RightTrans", "1"},
                         {"RightTopHeight", "28"},      {"RightBotHeight", "5"},
                         {"Top", "FrameTop.bmp"},       {"TopFrame", "2"},
                         {"TopStretch", "1"},           {"TopTrans", "1"},
                         {"TopTopHeight", "12"},        {"TopBotHeight", "12"},
                         {"Bottom", "FrameBottom.bmp"}, {"BottomFrame", "2"},
                         {"BottomStretch", "1"},        {"BottomTrans", "0"},
                         {"BottomTopHeight", "0"},      {"BottomBotHeight", "0"},
                         {"TextShift", "28"},           {"TextShiftVert", "0"},
                         {"TextRightClip", "80"},       {"TextAlignment", "0"},
                         {"Textbackground", "0"},       {"ActiveTextR", "255"},
                         {"ActiveTextG", "255"},        {"ActiveTextB", "255"},
                         {"InActiveTextR", "74"},       {"InActiveTextG", "93"},
                         {"InActiveTextB", "120"}}},
        {"MinCaption", {{"Image", "MinCaption.bmp"}}},
        {"Colours",
         {{"WindowText", "30 58 95"},
          {"TitleTextActive", "255 255 255"},
          {"TitleTextNoActive", "74 93 120"},
          {"ButtonFace", "227 238 253"},
          {"ButtonText", "30 58 95"},
          {"ButtonHilight", "255 255 255"},
          {"Buttonlight", "242 247 254"},
          {"ButtonShadow", "157 185 224"},
          {"ButtonDkShadow", "90 127 176"},
          {"HilightText", "255 255 255"},
          {"Hilight", "60 127 214"},
          {"Menubar", "227 238 253"},
          {"MenuBarText", "30 58 95"},
          {"MenuText", "30 58 95"},
          {"Menu", "255 255 255"},
          {"Scrollbar", "240 245 252"}}},
    };
}

} // namespace

std::string SkinIniText() {
    std::ostringstream text;
    bool first = true;
    for (const TSection& section : Sections()) {
        if (!first)
            text << "\r\n";
        first = false;
        text << '[' << section.name << "]\r\n";
        for (const auto& [key, value] : section.keys)
            text << key << '=' << value << "\r\n";
    }
    return text.str();
}

} // namespace skinart
