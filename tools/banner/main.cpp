// telvora-banner OUTDIR: draws the main window's banner and the program icon
// and writes banner.jpg and telvora.ico into OUTDIR, and the icon as an icon
// theme lays it out: OUTDIR/icons/hicolor/{16x16,32x32,48x48}/apps/telvora.png
// and OUTDIR/icons/hicolor/scalable/apps/telvora.svg.
#include "tools/banner/Artwork.h"
#include "tools/banner/PictureFiles.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

struct Output {
    std::string name; // relative to OUTDIR
    bool written;
};

std::string ThemeIconName(const std::string& size, const std::string& extension) {
    return "icons/hicolor/" + size + "/apps/telvora" + extension;
}

bool MakeFolderFor(const std::string& folder, const std::string& name) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder + name).parent_path(), error);
    return !error;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: telvora-banner OUTDIR\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::vector<win::Surface> icons = {banner::DrawIcon(48), banner::DrawIcon(32),
                                             banner::DrawIcon(16)};
    std::vector<Output> outputs = {
        {"banner.jpg", banner::WriteJpeg(folder + "banner.jpg", banner::DrawBanner(), 92)},
        {"telvora.ico", banner::WriteIco(folder + "telvora.ico", icons)},
    };
    for (const win::Surface& icon : icons) {
        const std::string size = std::to_string(icon.width) + "x" + std::to_string(icon.height);
        const std::string name = ThemeIconName(size, ".png");
        outputs.push_back(
            {name, MakeFolderFor(folder, name) && banner::WriteRgbaPng(folder + name, icon)});
    }
    const std::string scalable = ThemeIconName("scalable", ".svg");
    outputs.push_back({scalable, MakeFolderFor(folder, scalable) &&
                                     banner::WriteText(folder + scalable, banner::IconSvg())});

    for (const Output& output : outputs) {
        if (!output.written) {
            std::fprintf(stderr, "telvora-banner: cannot write %s%s\n", folder.c_str(),
                         output.name.c_str());
            return 1;
        }
    }
    return 0;
}
