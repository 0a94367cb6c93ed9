// Our own skin, as `telvora-tool skin objects` shows what the skin data
// component builds from it: the objects, frame counts, colours and buttons the
// main window's painters rely on.

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The tool's lines, keyed by their first two words ("object Button").
std::map<std::string, std::string> SkinObjects() {
    const std::string command = std::string("'") + TELVORA_TOOL + "' skin objects '" +
                                TELVORA_SKIN_FILE + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()))
        out += buffer;
    std::map<std::string, std::string> lines;
    std::istringstream text(out);
    for (std::string line; std::getline(text, line);) {
        const std::size_t first = line.find(' ');
        const std::size_t second = line.find(' ', first + 1);
        lines[line.substr(0, line.starts_with("object ") ? second : first)] = line;
    }
    return lines;
}

TEST(OurSkin, YieldsWhatTheMainWindowsPaintersUse) {
    const auto lines = SkinObjects();
    ASSERT_TRUE(lines.contains("colors")) << "the skin does not load";
    const struct {
        const char* rule;
        const char* key;
        std::vector<std::string> parts; // each stands in the line; none: no such line
    } cases[] = {
        {"push buttons", "object Button",
         {" r=7,4,8,4 ", " frame=5 ", " trans=1 ", " radioframe=8 ", " checkframe=12 "}},
        {"progress bar frame", "object progress", {" frame=1 ", " style=1 "}},
        {"horizontal thumb", "object HSlider", {" frame=4 "}},
        {"vertical thumb", "object VSlider", {" frame=4 "}},
        {"scroll bar arrows", "object SArrow", {" frame=23 "}},
        {"header", "object Header", {" frame=5 "}},
        {"track from the skin", "object TrackBar", {"object TrackBar Track ", " map=5x10x24:"}},
        {"upright track from the skin", "object TrackBarVert",
         {"object TrackBarVert TRACKVERT ", " map=5x10x24:"}},
        {"no group box frame", "object Box", {}},
        {"no group box caption", "object boxlabel", {}},
        {"no sunken edge", "object Comboxborder", {}},
        {"no toolbar buttons", "object Toolbarbtn", {}},
        {"combo arrow: the combo button recoloured", "object comboxarrow",
         {" frame=4 ", " map=60x16x24:"}},
        {"five title bar buttons", "object SysBtn[4]", {" frame="}},
        {"MDI close", "object SysBtn[5]", {" action=7 ", " x=42 ", " map=40x10x24:"}},
        {"MDI restore", "object SysBtn[6]", {" action=8 ", " x=28 ", " map=40x10x24:"}},
        {"MDI minimise", "object SysBtn[7]", {" action=9 ", " x=14 ", " map=40x10x24:"}},
        {"nothing after the MDI buttons", "object SysBtn[8]", {}},
    };
    for (const auto& c : cases) {
        const auto found = lines.find(c.key);
        if (c.parts.empty()) {
            EXPECT_EQ(found, lines.end()) << c.rule << ": " << found->second;
            continue;
        }
        ASSERT_NE(found, lines.end()) << c.rule;
        for (const std::string& part : c.parts)
            EXPECT_NE(found->second.find(part), std::string::npos)
                << c.rule << ": " << part << " in " << found->second;
    }
    // The button face, the control background.
    const std::string& colors = lines.at("colors");
    EXPECT_EQ(colors.substr(std::string("colors").size() + 3 * 9, 9), " 00FDEEE3") << colors;
    EXPECT_EQ(lines.at("bgbrush"), "bgbrush 00FDEEE3");
}

} // namespace
