// telvora-skin OUTDIR: draws our skin and writes into OUTDIR
//   telvora.skin        the skin file (compressed container of the INI and bitmaps),
//   telvora.skinstream  the same as the skin data component's "SkinStream"
//                       property holds it (a 32-bit byte count, then the file),
//   track.bmp, trackvert.bmp, nimbrelmenu.bmp
//                       the program's bitmap resources "TRACK", "TRACKVERT" and
//                       "NIMBRELMENU".
#include "tools/skin/BmpFile.h"
#include "tools/skin/ProgramBitmaps.h"
#include "tools/skin/SkinFile.h"
#include "tools/skin/SkinIni.h"
#include "tools/skin/SkinTheme.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

std::vector<skinart::TSkinEntry> SkinEntries() {
    using namespace skinart;
    std::vector<TSkinEntry> entries;
    for (auto family : {ControlBitmaps, PanelBitmaps, ScrollBitmaps, MenuBitmaps, TrackBitmaps,
                        SpinBitmaps, FrameBitmaps})
        for (const TSkinBitmap& bitmap : family())
            entries.push_back(
                {bitmap.name, EncodeBmp(bitmap.image, bitmap.bitsPerPixel, bitmap.colorTable)});
    const std::string ini = SkinIniText();
    entries.push_back({kSkinIniName, TBytes(ini.begin(), ini.end())});
    return entries;
}

TBytes SkinStream(const TBytes& file) {
    TBytes stream;
    for (int shift = 0; shift < 32; shift += 8)
        stream.push_back(std::uint8_t(file.size() >> shift));
    stream.insert(stream.end(), file.begin(), file.end());
    return stream;
}

// Written beside the target and renamed over it, so a failed run leaves no
// half-written file for the build to embed.
bool WriteFile(const std::string& path, const TBytes& bytes) {
    const std::string part = path + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out.flush()) {
            std::remove(part.c_str());
            return false;
        }
    }
    return std::rename(part.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: telvora-skin OUTDIR\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const TBytes skinFile = skinart::PackSkinFile(skinart::SkinContainer(SkinEntries()));
    const struct {
        const char* name;
        TBytes bytes;
    } outputs[] = {
        {"telvora.skin", skinFile},
        {"telvora.skinstream", SkinStream(skinFile)},
        {"track.bmp", skinart::EncodeBmp(skinart::TrackResource(false), 24, false)},
        {"trackvert.bmp", skinart::EncodeBmp(skinart::TrackResource(true), 24, false)},
        {"nimbrelmenu.bmp", skinart::EncodeBmp(skinart::SystemMenuPictures(), 24, false)},
    };
    for (const auto& output : outputs) {
        if (!WriteFile(folder + output.name, output.bytes)) {
            std::fprintf(stderr, "telvora-skin: cannot write %s%s\n", folder.c_str(), output.name);
            return 1;
        }
    }
    return 0;
}
