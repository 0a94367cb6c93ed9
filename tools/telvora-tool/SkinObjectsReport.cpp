#include "tools/telvora-tool/SkinObjectsReport.h"

#include "framework/Format.h"
#include "framework/StringUtils.h"
#include "framework/gui/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "skin/WinSkinData.h"

#include <cstdint>
#include <vector>
#include <zlib.h>

namespace tool {

namespace {

// Blanks, control bytes, "%" and DEL as %XX, so a text is one field.
std::string Field(const std::string& text) {
    if (text.empty())
        return "-";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == '%' || byte == 0x7F)
            out += fw::Format("%%%.2x", int(byte));
        else
            out += c;
    }
    return out;
}

std::string Hex(fw::TColor color) {
    return fw::Format("%.8X", static_cast<std::uint32_t>(color));
}

} // namespace

std::string SkinImageText(const fw::TBitmap& bitmap) {
    if (bitmap.Empty())
        return "-";
    win::BITMAP info{};
    win::GetObject(bitmap.Handle(), sizeof info, &info);
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    const std::size_t rowBytes = std::size_t(width) * 3;
    const std::size_t stride = (rowBytes + 3) & ~std::size_t(3);
    std::vector<std::uint8_t> pixels(stride * std::size_t(height));
    win::BITMAPINFO format;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biBitCount = 24;
    const fw::TBitmap::TSelectedDC dc(bitmap);
    win::GetDIBits(dc.dc, bitmap.Handle(), 0, win::UINT(height), pixels.data(), &format,
                   win::DIB_RGB_COLORS);
    uLong crc = crc32(0, nullptr, 0);
    for (int y = 0; y < height; ++y)
        crc = crc32(crc, pixels.data() + stride * std::size_t(y), uInt(rowBytes));
    return fw::Format("%dx%dx%d:", width, height, int(info.bmBitsPixel)) +
           fw::LowerCase(fw::Format("%.8x", static_cast<std::uint32_t>(crc)));
}

std::string SkinObjectLine(const std::string& field, const skin::TDataSkinObject& o) {
    std::string line = fw::Format(
        "object %s %s r=%d,%d,%d,%d frame=%d trans=%d tile=%d style=%d colors=%d,%d,%d "
        "colors2=%s,%s,%s map=%s",
        field, Field(o.IDName), o.r.left, o.r.top, o.r.right, o.r.bottom, o.frame, o.trans, o.Tile,
        o.style, o.Normalcolor, o.Overcolor, o.Downcolor, Hex(o.Normalcolor2), Hex(o.Overcolor2),
        Hex(o.Downcolor2), SkinImageText(*o.Map));
    if (const auto* b = dynamic_cast<const skin::TDataSkinBorder*>(&o))
        line += " mask=" + SkinImageText(*b->MaskMap);
    if (const auto* b = dynamic_cast<const skin::TDataSkinButton*>(&o))
        line += fw::Format(" check=%s radio=%s radioframe=%d checkframe=%d new=%d%d%d",
                           SkinImageText(*b->CheckMap), SkinImageText(*b->RadioMap), b->radioframe,
                           b->checkframe, int(b->newnormal), int(b->newover), int(b->newdown));
    if (const auto* t = dynamic_cast<const skin::TDataSkinTitle*>(&o))
        line += fw::Format(
            " align=%d background=%d fontheight=%d backleft=%d backright=%d active=%s inactive=%s",
            t->Aligment, t->BackGround, t->FontHeight, t->backleft, t->backright,
            Hex(t->activetext), Hex(t->inactivetext));
    if (const auto* s = dynamic_cast<const skin::TDataSkinSysButton*>(&o))
        line +=
            fw::Format(" action=%d align=%d x=%d y=%d combine=%d vis=%d vis1=%d", s->Action,
                       s->Align, s->XCoord, s->YCoord, s->CombineOp, s->Visibility, s->Visibility1);
    if (const auto* l = dynamic_cast<const skin::TDataSkinBoxLabel*>(&o))
        line +=
            fw::Format(" left=%d right=%d alignment=%d", l->LeftShift, l->RightShift, l->Alignment);
    return line + "\n";
}

namespace {

std::string ColorList(const std::string& head, const std::vector<fw::TColor>& colors) {
    std::string line = head;
    for (const fw::TColor color : colors)
        line += " " + Hex(color);
    return line + "\n";
}

fw::TColor BrushColor(win::HBRUSH brush) {
    win::LOGBRUSH info{};
    win::GetObject(brush, sizeof info, &info);
    return static_cast<fw::TColor>(info.lbColor);
}

} // namespace

std::string SkinObjectsReport(const skin::TSkinData& d) {
    std::string out = "name " + Field(d.SkinName) + "\n";
    out += ColorList("colors", {d.Colors.begin(), d.Colors.end()});
    out += "hascolors ";
    for (const bool given : d.hasColors)
        out += given ? '1' : '0';
    out += "\n";
    out += ColorList("presets", d.ColorPreset);
    out += "bgbrush " + Hex(BrushColor(d.BGBrush.get())) + "\n";

    const auto add = [&out](const std::string& field, const skin::TDataSkinObject* object) {
        if (object)
            out += SkinObjectLine(field, *object);
    };
    add("Title", d.Title.get());
    for (std::size_t i = 0; i < d.SysBtn.size(); ++i)
        add(fw::Format("SysBtn[%d]", int(i)), d.SysBtn[i].get());
    add("Button", d.Button.get());
    add("tab", d.tab.get());
    add("HSpin", d.HSpin.get());
    add("VSpin", d.VSpin.get());
    add("Comboxborder", d.Comboxborder.get());
    add("ExtraImages", d.ExtraImages.get());
    add("combox", d.combox.get());
    add("comboxarrow", d.comboxarrow.get());
    add("Box", d.Box.get());
    add("Toolbar", d.Toolbar.get());
    add("Toolbarbtn", d.Toolbarbtn.get());
    add("progress", d.progress.get());
    add("progresschunk", d.progresschunk.get());
    add("boxlabel", d.boxlabel.get());
    add("StatusBar", d.StatusBar.get());
    add("TabSheet", d.TabSheet.get());
    add("Header", d.Header.get());
    add("Menubar", d.Menubar.get());
    add("MenuItem", d.MenuItem.get());
    add("MenuitemBG", d.MenuitemBG.get());
    add("SArrow", d.SArrow.get());
    add("HBar", d.HBar.get());
    add("VBar", d.VBar.get());
    add("HSlider", d.HSlider.get());
    add("VSlider", d.VSlider.get());
    add("TrackHorz", d.TrackHorz.get());
    add("TrackVert", d.TrackVert.get());
    add("TrackBar", d.TrackBar.get());
    add("TrackBarVert", d.TrackBarVert.get());
    add("TrackLeft", d.TrackLeft.get());
    add("Trackright", d.Trackright.get());
    add("Tracktop", d.Tracktop.get());
    add("Trackbottom", d.Trackbottom.get());
    add("MinCaption", d.MinCaption.get());
    for (std::size_t i = 0; i < d.border.size(); ++i)
        add(fw::Format("border[%d]", int(i)), d.border[i].get());
    return out;
}

} // namespace tool
