// The skin loader, section by section: what each reader makes of its keys and
// defaults, the frame counts it fixes, the colours, the title bar and MDI
// buttons, and the images it makes itself. Objects are compared as the
// `skin objects` command prints them, with the images' checksums left out.

#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SystemMetrics.h"
#include "skin/WinSkinData.h"
#include "tests/skin_window/support/SkinFiles.h"
#include "tools/telvora-tool/SkinObjectsReport.h"

#include <gtest/gtest.h>
#include <regex>

namespace skin::test {
namespace {

constexpr fw::TColor kMagenta = fw::clFuchsia;
constexpr fw::TColor kFace = static_cast<fw::TColor>(0xFDEEE3);

// Four frames of 16 x 16 whose top-left pixel is the key colour.
Bytes ComboButtonBmp() {
    return BmpFile(64, 16, [](int x, int y) {
        if (x % 16 == 0 && y == 0)
            return kMagenta;
        return static_cast<fw::TColor>(0x00A000 + 0x10 * (x / 16 + 1));
    });
}

// The bitmaps every test skin carries.
const std::vector<SkinEntry>& Bitmaps() {
    static const std::vector<SkinEntry> entries = {
        {"a.bmp", NumberedBmp(40, 10)},
        {"b.bmp", SolidBmp(8, 4, fw::clRed)},
        {"strip104.bmp", SolidBmp(104, 13, fw::clBlue)},
        {"strip160.bmp", SolidBmp(160, 16, fw::clBlue)},
        {"strip64.bmp", SolidBmp(64, 16, fw::clBlue)},
        {"strip39.bmp", SolidBmp(39, 13, fw::clBlue)},
        {"title126.bmp", SolidBmp(126, 21, fw::clGreen)},
        {"title63.bmp", SolidBmp(63, 21, fw::clGreen)},
        {"mdi.bmp", NumberedBmp(120, 10)},
        {"wide32.bmp", SolidBmp(6, 2, fw::clTeal, 32)},
        {"edge.bmp",
         BmpFile(48, 21,
                 [](int x, int) { return static_cast<fw::TColor>(0x101010 * (x / 12 + 1)); })},
        {"combo.bmp", ComboButtonBmp()},
        {"extra.bmp", SolidBmp(20, 4, fw::clYellow)},
        {"top.bmp", NumberedBmp(30, 20)},
        {"grey.bmp", SolidBmp(30, 20, static_cast<fw::TColor>(0xC8C8C8))},
        {"broken.bmp", ToBytes("BM not a bitmap")},
        {"empty.bmp", {}},
    };
    return entries;
}

fw::TComponentPtr<TSkinData> Load(const std::string& ini) {
    return LoadSkinData(SkinFile(Bitmaps(), ini));
}

std::string WithoutChecksums(const std::string& text) {
    static const std::regex checksum(":[0-9a-f]{8}");
    return std::regex_replace(text, checksum, "");
}

// The object's line without its checksums and line feed; "" for no object.
std::string Line(const TSkinData& data, const std::string& field) {
    const std::string report = tool::SkinObjectsReport(data);
    const std::string head = "object " + field + " ";
    std::size_t at = report.rfind("\n" + head);
    if (at == std::string::npos)
        return "";
    at += 1;
    return WithoutChecksums(report.substr(at, report.find('\n', at) - at));
}

fw::TColor Pixel(const fw::TBitmap& bitmap, int x, int y) {
    const fw::TBitmap::TSelectedDC dc(bitmap);
    return static_cast<fw::TColor>(win::GetPixel(dc.dc, x, y));
}

struct ObjectCase {
    const char* rule;
    const char* ini;
    const char* field;
    const char* line; // "" when there must be no object
};

void ExpectObjects(const std::vector<ObjectCase>& cases) {
    for (const ObjectCase& c : cases) {
        const auto data = Load(c.ini);
        ASSERT_FALSE(data->Empty) << c.rule;
        const std::string expected =
            *c.line ? std::string("object ") + c.field + " " + c.line : std::string();
        EXPECT_EQ(Line(*data, c.field), expected) << c.rule;
    }
}

constexpr const char* kNoColours = "colors=-1,-1,-1 colors2=00000000,00000000,00000000";

TEST(SkinLoader, ImageReader) {
    ExpectObjects({
        {"every key",
         "[Progress.Chunk]\nImage=a.bmp\nStyle=2\nLeftWidth=1\nTopHeight=2\n"
         "RightWidth=3\nBottomHeight=4\nFrame=7\nTrans=1\nTile=1\nNormalColour=255\n"
         "MouseOverColour=$FF00\nPressedColour=0x10\nNormalColour2=1 2 3\n",
         "progresschunk",
         "Progress.Chunk r=1,2,3,4 frame=7 trans=1 tile=1 style=2 colors=255,65280,16 "
         "colors2=00030201,FF000012,FF000012 map=40x10x24"},
        {"defaults: the second colours are the skin's button text; names in any case",
         "[progress.chunk]\nimage=a.bmp\n", "progresschunk",
         "Progress.Chunk r=0,0,0,0 frame=0 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24"},
        {"the button text given",
         "[Colours]\nButtonText=9 8 7\n[Progress.Chunk]\nImage=a.bmp\n"
         "PressedColour2=\nMouseOverColour=1 2 3\n",
         "progresschunk",
         "Progress.Chunk r=0,0,0,0 frame=0 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=00070809,00070809,00070809 map=40x10x24"},
        {"tile above 1 stretches", "[Progress.Chunk]\nImage=a.bmp\nTile=2\n", "progresschunk",
         "Progress.Chunk r=0,0,0,0 frame=0 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24"},
        {"a 32-bit image keeps its depth", "[Progress.Chunk]\nImage=wide32.bmp\n", "progresschunk",
         "Progress.Chunk r=0,0,0,0 frame=0 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=6x2x32"},
        {"a named image that is missing still makes the object",
         "[Progress.Chunk]\nImage=missing.bmp\n", "progresschunk",
         "Progress.Chunk r=0,0,0,0 frame=0 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=-"},
        {"so does a damaged one", "[Headerbar]\nImage=broken.bmp\n", "Header",
         "Headerbar r=0,0,0,0 frame=5 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=-"},
        {"and an empty one", "[MenuItem]\nImage=empty.bmp\n", "MenuItem",
         "MenuItem r=0,0,0,0 frame=5 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=-"},
        {"an image named with capitals in its extension is not read",
         "[Progress.Chunk]\nImage=a.BMP\n", "progresschunk",
         "Progress.Chunk r=0,0,0,0 frame=0 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=-"},
        {"a path before the name is dropped", "[Progress.Chunk]\nImage=C:\\skins\\A.bmp\n",
         "progresschunk",
         "Progress.Chunk r=0,0,0,0 frame=0 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24"},
        {"a section without its image makes no object", "[Progress.Chunk]\nStyle=1\nImage=\n",
         "progresschunk", ""},
    });
}

TEST(SkinLoader, BitmapMaskAndBoxLabelReaders) {
    ExpectObjects({
        {"bitmap reader: no colours, no frame key, tile above 1 tiles",
         "[Progress]\nBitmap=a.bmp\nStyle=1\nLeftWidth=2\nTile=3\nTrans=1\nNormalColour=5\n"
         "Frame=9\n",
         "progress",
         "Progress r=2,0,0,0 frame=1 trans=1 tile=1 style=1 colors=-1,-1,-1 "
         "colors2=00000000,00000000,00000000 map=40x10x24 mask=-"},
        {"a progress bar of style 0 has two frames", "[Progress]\nBitmap=a.bmp\n", "progress",
         "Progress r=0,0,0,0 frame=2 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=00000000,00000000,00000000 map=40x10x24 mask=-"},
        {"image with mask", "[Tabs]\nImage=a.bmp\nBorder=b.bmp\nFrame=9\nTile=4\n", "tab",
         "Tabs r=0,0,0,0 frame=5 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24 mask=8x4x24"},
        {"up-down glyphs are the mask", "[UpDown.Vert]\nImage=a.bmp\nGlyphImage=b.bmp\n", "VSpin",
         "UpDown.Vert r=0,0,0,0 frame=8 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24 mask=8x4x24"},
        {"box label",
         "[GroupBox]\nImage=a.bmp\nBackgroundAlignment=2\nBackgroundLeftShift=3\n"
         "BackgroundRightShift=-4\nFrame=7\n",
         "boxlabel",
         "GroupBox r=0,0,0,0 frame=1 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24 left=3 right=-4 alignment=2"},
    });
}

TEST(SkinLoader, MenuBarTabSheetTrackAndThumbReaders) {
    ExpectObjects({
        {"menu bar defaults", "[Personality]\nmenuBar=a.bmp\nTrans=1\nStyle=3\n", "Menubar",
         "Personality r=1,0,1,0 frame=2 trans=0 tile=1 style=0 colors=-1,-1,-1 "
         "colors2=00000000,00000000,00000000 map=40x10x24"},
        {"menu bar keys",
         "[Personality]\nmenuBar=a.bmp\nTileMenu=0\nTileLeftMenu=5\n"
         "TileRightMenu=6\n",
         "Menubar",
         "Personality r=5,0,6,0 frame=2 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=00000000,00000000,00000000 map=40x10x24"},
        {"menu bar tile above 1", "[Personality]\nmenuBar=a.bmp\nTileMenu=4\n", "Menubar",
         "Personality r=1,0,1,0 frame=2 trans=0 tile=1 style=0 colors=-1,-1,-1 "
         "colors2=00000000,00000000,00000000 map=40x10x24"},
        {"tab sheet margins are at most 4",
         "[Tab.Pane]\nImage=a.bmp\nLeftWidth=9\nTopHeight=3\n"
         "RightWidth=5\nBottomHeight=4\n",
         "TabSheet",
         "Tab.Pane r=4,3,4,4 frame=1 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24"},
        {"a header keeps the skin's frame count", "[Headerbar]\nImage=a.bmp\nFrame=3\n", "Header",
         "Headerbar r=0,0,0,0 frame=3 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24"},
        {"a header without one has five", "[Headerbar]\nImage=a.bmp\n", "Header",
         "Headerbar r=0,0,0,0 frame=5 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24"},
        {"thumb frames come from FrameCount",
         "[HorzScrollThumb]\nImage=a.bmp\nFrame=9\n"
         "FrameCount=4\n",
         "HSlider",
         "HorzScrollThumb r=0,0,0,0 frame=4 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24"},
        {"three thumb frames by default", "[VertScrollThumb]\nImage=a.bmp\nFrame=9\n", "VSlider",
         "VertScrollThumb r=0,0,0,0 frame=3 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=40x10x24"},
        {"a track from the skin keeps its frame key", "[Track]\nImage=b.bmp\nFrame=2\n", "TrackBar",
         "Track r=0,0,0,0 frame=2 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=8x4x24"},
        {"without one the program's own track is drawn", "", "TrackBar",
         "TRACK r=3,3,3,3 frame=1 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=00000000,00000000,00000000 map=16x4x24"},
        {"and its upright one", "", "TrackBarVert",
         "TRACKVERT r=3,3,3,3 frame=1 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=00000000,00000000,00000000 map=4x16x24"},
    });
}

TEST(SkinLoader, FixesFrameCountsWhateverTheSkinSays) {
    struct Case {
        const char* section;
        const char* field;
        int frame;
    };
    const Case cases[] = {
        {"ToolBars", "Toolbarbtn", 5},
        {"ExtraImages", "ExtraImages", 5},
        {"MenuItem", "MenuItem", 5},
        {"Trackbar.ThumbHorz", "TrackHorz", 5},
        {"Trackbar.ThumbVert", "TrackVert", 5},
        {"Trackbar.ThumbLeft", "TrackLeft", 5},
        {"Trackbar.ThumbRight", "Trackright", 5},
        {"Trackbar.ThumbUp", "Tracktop", 5},
        {"Trackbar.ThumbDown", "Trackbottom", 5},
        {"MenuBackground", "MenuitemBG", 1},
        {"StatusBarEdges", "StatusBar", 3},
        {"SunkEdge", "Comboxborder", 4},
        {"HorzScroll", "HBar", 4},
        {"VertScroll", "VBar", 4},
        {"Scrollbar", "SArrow", 23},
        {"GroupBoxEdge", "Box", 2},
        {"ComboButton", "combox", 4},
        {"UpDown.Horz", "HSpin", 8},
    };
    for (const Case& c : cases) {
        const auto data = Load(std::string("[") + c.section + "]\nImage=a.bmp\nFrame=9\n");
        const std::string line = Line(*data, c.field);
        EXPECT_NE(line.find(" frame=" + std::to_string(c.frame) + " "), std::string::npos)
            << c.section << ": " << line;
    }
}

TEST(SkinLoader, PushButtonsWithCheckBoxesAndRadioButtons) {
    ExpectObjects({
        {"every key",
         "[Buttons]\nBitmap=a.bmp\nCheckButton=strip160.bmp\n"
         "RadioButton=strip104.bmp\nLeftWidth=7\nTopHeight=4\nRightWidth=8\nBottomHeight=4\n"
         "Trans=1\nTile=2\nNormalColour=1\nNormalColour2=9 9 9 \nPressedColour2=\n",
         "Button",
         "- r=7,4,8,4 frame=5 trans=1 tile=0 style=0 colors=1,-1,-1 "
         "colors2=00090909,FF000012,FF000012 map=40x10x24 check=160x16x24 radio=104x13x24 "
         "radioframe=8 checkframe=10 new=100"},
        {"strips of 16-pixel states, and at least four",
         "[Buttons]\nCheckButton=strip64.bmp\n"
         "RadioButton=strip39.bmp\nMouseOverColour2=1 1 1 \nPressedColour2=2 2 2 \n",
         "Button",
         "- r=0,0,0,0 frame=5 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,00010101,00020202 map=- check=64x16x24 radio=39x13x24 radioframe=4 "
         "checkframe=4 new=011"},
        {"frame counts given are kept",
         "[Buttons]\nCheckButton=strip160.bmp\n"
         "CheckButtonFrame=3\nRadioButtonFrame=-2\n",
         "Button",
         "- r=0,0,0,0 frame=5 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=FF000012,FF000012,FF000012 map=- check=160x16x24 radio=- radioframe=-2 "
         "checkframe=3 new=000"},
    });
}

TEST(SkinLoader, CaptionTextSettings) {
    ExpectObjects({
        {"every key",
         "[Personality]\nTextBack=b.bmp\nTextShift=1\nTextShiftVert=2\n"
         "TextRightClip=3\nTextAlignment=1\nTextbackground=2\nTXTBackleft=5\nTXTBackRight=6\n"
         "ActiveTextR=1\nActiveTextG=2\nActiveTextB=300\nInActiveTextR=1\nInActiveTextG=2\n"
         "[Fonts]\nFontHeight=12\n",
         "Title",
         "- r=1,2,3,0 frame=2 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=00000000,00000000,00000000 map=8x4x24 align=1 background=2 fontheight=12 "
         "backleft=5 backright=6 active=002C0201 inactive=1FFFFFFF"},
        {"defaults; a negative part means not given",
         "[Personality]\nActiveTextR=0\n"
         "ActiveTextG=0\nActiveTextB=0\nInActiveTextR=-1\nInActiveTextG=0\nInActiveTextB=0\n",
         "Title",
         "- r=0,0,0,0 frame=2 trans=0 tile=0 style=0 colors=-1,-1,-1 "
         "colors2=00000000,00000000,00000000 map=- align=0 background=0 fontheight=14 backleft=0 "
         "backright=0 active=00000000 inactive=1FFFFFFF"},
    });
}

TEST(SkinLoader, WindowFrameParts) {
    const auto data = Load("[Personality]\nLeft=b.bmp\nLeftTopHeight=3\nLeftBotHeight=4\n"
                           "Top=a.bmp\nTopFrame=2\nTopTopHeight=5\nTopBotHeight=6\nTopStretch=0\n"
                           "TopTrans=0\nBottomFrame=0\nRightFrame=-3\nRightStretch=5\n");
    const std::string rest = std::string(" ") + kNoColours;
    const struct {
        const char* field;
        std::string line;
    } cases[] = {
        {"border[0]",
         "Left r=0,3,0,4 frame=1 trans=1 tile=1 style=0" + rest + " map=8x4x24 mask=-"},
        {"border[1]", "Right r=0,0,0,0 frame=1 trans=1 tile=1 style=0" + rest + " map=- mask=-"},
        {"border[2]",
         "Top r=5,0,6,0 frame=2 trans=0 tile=0 style=0" + rest + " map=40x10x24 mask=-"},
        {"border[3]", "Bottom r=0,0,0,0 frame=1 trans=1 tile=1 style=0" + rest + " map=- mask=-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Line(*data, c.field), std::string("object ") + c.field + " " + c.line);
}

std::string ReportHead(const TSkinData& data) {
    const std::string report = tool::SkinObjectsReport(data);
    return report.substr(0, report.find("object "));
}

std::string Hex(win::COLORREF color) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", unsigned(color));
    return text;
}

TEST(SkinLoader, SchemeColoursDefaultToTheSystemColours) {
    const auto data = Load("[TitlebarSkin]\nSkinName=Two words%\n");
    EXPECT_EQ(ReportHead(*data),
              "name Two%20words%25\n"
              "colors FF000008 FF000009 FF000013 FF00000F FF000012 FF000014 FF000014 FF000010 "
              "FF000015 00000000 00000000 FF00000E FF00000D FF00000F FF000007 FF000007 FF000004 "
              "FF00000F FF000000 00000000\n"
              "hascolors 00000000000000000000\n"
              "presets\n"
              "bgbrush " +
                  Hex(win::GetSysColor(win::COLOR_BTNFACE)) + "\n");
}

TEST(SkinLoader, SchemeColoursGivenAndPresets) {
    const auto data =
        Load("[Colour1]\ncolor=1 2 3 \n[Colours]\nButtonFace=227 238 253\nMenu=1,2,3\n"
             "Hilight=\n[colourX]\nother=1\n[COLOURS2]\ncolor=0 0 255 \n");
    EXPECT_EQ(ReportHead(*data),
              "name -\n"
              "colors FF000008 FF000009 FF000013 00FDEEE3 FF000012 FF000014 FF000014 FF000010 "
              "FF000015 00000000 00000000 FF00000E FF00000D 00FDEEE3 FF000007 FF000007 00030201 "
              "00FDEEE3 FF000000 00000000\n"
              "hascolors 00010000000000001000\n"
              "presets 00030201 FF000008 00FF0000\n"
              "bgbrush 00FDEEE3\n");
}

TEST(SkinLoader, CaptionColourIsTakenFromTheTopFramePart) {
    const auto data = Load("[Personality]\nTop=top.bmp\nTopFrame=2\n");
    // Pixel (30 / 3, (20 / 2) / 3) of the numbered picture.
    EXPECT_EQ(data->Colors[17], static_cast<fw::TColor>(0x40003A));
    EXPECT_EQ(data->GetCaptionColor(), static_cast<fw::TColor>(0x40003A));
}

TEST(SkinLoader, TitleBarButtons) {
    const auto data =
        Load("[Buttons]\nBitmap=a.bmp\n[Button]\nAction=5\n[Button.Radio]\nAction=5\n"
             "[BUTTON.CHECKBOX]\nAction=5\n"
             "[Button0]\nAction=0\nAlign=1\nXcoord=20\nYcoord=5\nButtonImage=title126.bmp\n"
             "[Button1]\nAction=1\nVisibility=2\nVisibility1=6\nXcoord=40\nYcoord=6\n"
             "ButtonImage=title63.bmp\nCombineOp=2\n"
             "[Button2]\nAction=4\nXcoord=99\nYcoord=99\n"
             "[Button3]\nAction=3\nButtonImage=title126.bmp\n"
             "[Button4]\nAction=-1\n"
             "[Button5]\nAction=-1\nVisibility=0\nButtonImage=title63.bmp\n"
             "[button6]\nAction=2\nButtonImage=title126.BMP\n"
             "[Button7]\nAction=2\nframe=2\nButtonImage=title63.bmp\n"
             "[Button8]\nAction=8\nButtonImage=skins/title63.bmp\n");
    const std::string rest = std::string(" style=0 ") + kNoColours;
    const std::vector<std::string> expected = {
        "BUTTON0 r=0,0,0,0 frame=6 trans=0 tile=0" + rest +
            " map=126x21x24 action=0 align=1 x=20 y=5 combine=-1 vis=0 vis1=0",
        "BUTTON1 r=0,0,0,0 frame=3 trans=0 tile=0" + rest +
            " map=63x21x24 action=1 align=0 x=40 y=6 combine=2 vis=2 vis1=6",
        "BUTTON2 r=0,0,0,0 frame=6 trans=0 tile=0" + rest +
            " map=- action=4 align=0 x=40 y=6 combine=-1 vis=0 vis1=0",
        "BUTTON3 r=0,0,0,0 frame=6 trans=0 tile=0" + rest +
            " map=- action=3 align=0 x=0 y=0 combine=-1 vis=0 vis1=0",
        "BUTTON5 r=0,0,0,0 frame=6 trans=0 tile=0" + rest +
            " map=63x21x24 action=-1 align=0 x=0 y=0 combine=-1 vis=0 vis1=-1",
        "BUTTON6 r=0,0,0,0 frame=6 trans=0 tile=0" + rest +
            " map=- action=2 align=0 x=0 y=0 combine=-1 vis=0 vis1=0",
        "BUTTON7 r=0,0,0,0 frame=2 trans=0 tile=0" + rest +
            " map=63x21x24 action=2 align=0 x=0 y=0 combine=-1 vis=0 vis1=0",
        "BUTTON8 r=0,0,0,0 frame=3 trans=0 tile=0" + rest +
            " map=63x21x24 action=8 align=0 x=0 y=0 combine=-1 vis=0 vis1=0",
        "- r=0,0,0,0 frame=4 trans=0 tile=0" + rest +
            " map=- action=7 align=100 x=0 y=0 combine=0 vis=100 vis1=100",
        "- r=0,0,0,0 frame=4 trans=0 tile=0" + rest +
            " map=- action=8 align=100 x=0 y=0 combine=0 vis=100 vis1=100",
        "- r=0,0,0,0 frame=4 trans=0 tile=0" + rest +
            " map=- action=9 align=100 x=0 y=0 combine=0 vis=100 vis1=100",
    };
    ASSERT_EQ(data->SysBtn.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::string field = "SysBtn[" + std::to_string(i) + "]";
        EXPECT_EQ(Line(*data, field), "object " + field + " " + expected[i]);
    }
}

TEST(SkinLoader, MdiButtonsAreCutFromTwelveFrames) {
    const auto data = Load("[MDICONTROLS]\nImage=mdi.bmp\n");
    ASSERT_EQ(data->SysBtn.size(), 3u);
    const int xs[] = {42, 28, 14};
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& button = *data->SysBtn[std::size_t(i)];
        EXPECT_EQ(button.Action, 7 + i);
        EXPECT_EQ(button.XCoord, xs[i]);
        ASSERT_EQ(button.Map->Width(), 40);
        ASSERT_EQ(button.Map->Height(), 10);
        // Frames 4i to 4i + 3 of the numbered 120 x 10 picture.
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{39, 9}, std::pair{17, 4}}) {
            const int n = 40 * i + x + 16 * y;
            EXPECT_EQ(Pixel(*button.Map, x, y),
                      static_cast<fw::TColor>((n & 0xFF) | ((n >> 8) & 0xFF) << 8 | 0x400000))
                << i << " at " << x << "," << y;
        }
    }
}

const int kButtonWidth = win::GetSystemMetrics(win::SM_CXHSCROLL) + 2;

TEST(SkinLoader, ComboBoxDrawnFromASunkenEdge) {
    const auto data = Load("[SunkEdge]\nImage=edge.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\n"
                           "BottomHeight=2\n[ComboButton]\nImage=combo.bmp\nTrans=1\n"
                           "[ExtraImages]\nImage=extra.bmp\n");
    const std::string bw = std::to_string(kButtonWidth + 2);
    EXPECT_EQ(Line(*data, "combox"),
              "object combox ComboButton r=2,2," + bw +
                  ",2 frame=4 trans=1 tile=0 style=2 colors=-1,-1,-1 "
                  "colors2=FF000012,FF000012,FF000012 map=200x21x24 mask=64x16x24");
    EXPECT_EQ(Line(*data, "Comboxborder"),
              "object Comboxborder SunkEdge r=" + bw +
                  ",2,2,2 frame=4 trans=0 tile=0 style=0 colors=-1,-1,-1 "
                  "colors2=FF000012,FF000012,FF000012 map=200x21x24");
    EXPECT_EQ(Line(*data, "comboxarrow"),
              "object comboxarrow ComboxArrow r=0,0,0,0 frame=4 trans=0 tile=0 style=0 " +
                  std::string(kNoColours) + " map=68x17x24");

    const fw::TBitmap& combo = *data->combox->Map;
    const fw::TBitmap& mirrored = *data->Comboxborder->Map;
    for (int f = 0; f < 4; ++f) {
        const int x0 = 50 * f;
        const fw::TColor edge = static_cast<fw::TColor>(0x101010 * (f + 1));
        const fw::TColor button = static_cast<fw::TColor>(0x00A000 + 0x10 * (f + 1));
        EXPECT_EQ(Pixel(combo, x0, 0), edge) << "the sunken edge, frame " << f + 1;
        EXPECT_EQ(Pixel(combo, x0 + 10, 10), kMagenta) << "where the text goes";
        EXPECT_EQ(Pixel(combo, x0 + 49, 20), button) << "the button";
        EXPECT_EQ(Pixel(combo, x0 + 50 - kButtonWidth, 0), edge)
            << "the button's key colour shows the edge";
        const int glyphX = x0 + 50 - kButtonWidth + (kButtonWidth - 4) / 2;
        EXPECT_EQ(Pixel(combo, glyphX, (21 - 4) / 2), fw::clYellow) << "the centred extra glyph";
    }
    for (int x = 0; x < 200; x += 7)
        for (int y = 0; y < 21; y += 5)
            EXPECT_EQ(Pixel(mirrored, x, y), Pixel(combo, 199 - x, y)) << x << "," << y;
    // Arrow j is cut from (50 j - 19, 2) of the combo boxes.
    const fw::TBitmap& arrow = *data->comboxarrow->Map;
    for (int j = 1; j <= 4; ++j)
        for (int d = 0; d < 17; d += 4)
            EXPECT_EQ(Pixel(arrow, 17 * (j - 1) + d, d), Pixel(combo, 50 * j - 19 + d, 2 + d))
                << j << " " << d;
}

TEST(SkinLoader, ComboArrowWithoutASunkenEdgeIsTheButtonOnTheControlBackground) {
    const auto data =
        Load("[Colours]\nButtonFace=227 238 253\n[ComboButton]\nImage=combo.bmp\nTrans=1\n");
    EXPECT_EQ(Line(*data, "combox"),
              "object combox ComboButton r=0,0,0,0 frame=4 trans=1 tile=0 style=0 "
              "colors=-1,-1,-1 colors2=FF000012,FF000012,FF000012 map=64x16x24 mask=64x16x24");
    // The mask is the button mirrored.
    EXPECT_EQ(Pixel(*data->combox->MaskMap, 63, 0), kMagenta);
    EXPECT_EQ(Pixel(*data->combox->MaskMap, 0, 5), static_cast<fw::TColor>(0x00A040));
    const fw::TBitmap& arrow = *data->comboxarrow->Map;
    EXPECT_EQ(data->comboxarrow->frame, 4);
    EXPECT_EQ(Pixel(arrow, 16, 0), kFace);
    EXPECT_EQ(Pixel(arrow, 17, 0), static_cast<fw::TColor>(0x00A020));
}

TEST(SkinLoader, ToolbarGradientRunsFromTheFaceToTheCaptionColour) {
    struct Case {
        const char* rule;
        const char* ini;
        fw::TColor top, bottom;
    };
    const Case cases[] = {
        // Caption 0x40003A is dark, so saturated (200): a light shade of it at the bottom.
        {"a saturated caption",
         "[Colours]\nButtonFace=227 238 253\n[Personality]\nTop=top.bmp\n"
         "TopFrame=2\n",
         static_cast<fw::TColor>(0xFFFCFB), static_cast<fw::TColor>(0x987595)},
        // Caption 0xC8C8C8 is grey: 15 % mid grey over it.
        {"a grey caption", "[Colours]\nButtonFace=227 238 253\n[Personality]\nTop=grey.bmp\n",
         static_cast<fw::TColor>(0xFFFCFB), static_cast<fw::TColor>(0xBDBDBD)},
    };
    for (const Case& c : cases) {
        const auto data = Load(c.ini);
        ASSERT_NE(data->Toolbar, nullptr);
        EXPECT_EQ(Line(*data, "Toolbar"),
                  "object Toolbar Toolbar r=0,0,0,0 frame=1 trans=0 tile=0 style=0 " +
                      std::string(kNoColours) + " map=10x40x24")
            << c.rule;
        EXPECT_EQ(Pixel(*data->Toolbar->Map, 0, 0), c.top) << c.rule;
        EXPECT_EQ(Pixel(*data->Toolbar->Map, 9, 39), c.bottom) << c.rule;
    }
}

TEST(SkinLoader, ASkinWithoutAnIniStillLoads) {
    const auto data = LoadSkinData(SkinFile(Bitmaps(), std::nullopt));
    ASSERT_FALSE(data->Empty);
    const std::string report = WithoutChecksums(tool::SkinObjectsReport(*data));
    const std::string none = std::string(" style=0 ") + kNoColours;
    const std::string mdi = "r=0,0,0,0 frame=4 trans=0 tile=0" + none + " map=- action=";
    const std::string tail = " align=100 x=0 y=0 combine=0 vis=100 vis1=100\n";
    const std::string button_colors2 = "FF000012,FF000012,FF000012";
    EXPECT_EQ(report.substr(report.find("object ")),
              "object Title - r=0,0,0,0 frame=2 trans=0 tile=0" + none +
                  " map=- align=0 background=0 fontheight=14 backleft=0 backright=0 "
                  "active=1FFFFFFF inactive=1FFFFFFF\n"
                  "object SysBtn[0] - " +
                  mdi + "7" + tail + "object SysBtn[1] - " + mdi + "8" + tail +
                  "object SysBtn[2] - " + mdi + "9" + tail +
                  "object Button - r=0,0,0,0 frame=5 trans=0 tile=0 style=0 colors=-1,-1,-1 "
                  "colors2=" +
                  button_colors2 +
                  " map=- check=- radio=- radioframe=4 checkframe=4 new=000\n"
                  "object comboxarrow ComboxArrow r=0,0,0,0 frame=0 trans=0 tile=0" +
                  none +
                  " map=-\n"
                  "object Toolbar Toolbar r=0,0,0,0 frame=1 trans=0 tile=0" +
                  none +
                  " map=10x40x24\n"
                  "object TrackBar TRACK r=3,3,3,3 frame=1 trans=0 tile=0" +
                  none +
                  " map=16x4x24\n"
                  "object TrackBarVert TRACKVERT r=3,3,3,3 frame=1 trans=0 tile=0" +
                  none +
                  " map=4x16x24\n"
                  "object border[0] Left r=0,0,0,0 frame=1 trans=1 tile=1" +
                  none +
                  " map=- mask=-\n"
                  "object border[1] Right r=0,0,0,0 frame=1 trans=1 tile=1" +
                  none +
                  " map=- mask=-\n"
                  "object border[2] Top r=0,0,0,0 frame=1 trans=1 tile=1" +
                  none +
                  " map=- mask=-\n"
                  "object border[3] Bottom r=0,0,0,0 frame=1 trans=1 tile=1" +
                  none + " map=- mask=-\n");
}

TEST(SkinLoader, ANewSkinReplacesWhatTheLastOneMade) {
    const auto data = Load("[Colour1]\ncolor=1 2 3 \n[ComboButton]\nImage=combo.bmp\n"
                           "[Button0]\nAction=0\n[Tabs]\nImage=a.bmp\n");
    ASSERT_EQ(data->ColorPreset.size(), 1u);
    ASSERT_FALSE(data->comboxarrow->Map->Empty());
    fw::TMemoryStream second;
    Fill(second, SkinFile(Bitmaps(), "[Colour9]\ncolor=4 5 6 \n"));
    data->LoadFromStream(second);
    ASSERT_FALSE(data->Empty);
    EXPECT_EQ(data->ColorPreset, std::vector<fw::TColor>{static_cast<fw::TColor>(0x060504)});
    EXPECT_EQ(data->tab, nullptr);
    EXPECT_EQ(data->combox, nullptr);
    EXPECT_TRUE(data->comboxarrow->Map->Empty()) << "no arrow of the last skin stays";
    EXPECT_EQ(data->SysBtn.size(), 3u);
}

} // namespace
} // namespace skin::test
