// telvora-banner OUTDIR: draws the main window's banner and the program icon
// and writes banner.jpg, telvora.ico and telvora.png into OUTDIR.
#include "tools/banner/Artwork.h"
#include "tools/banner/PictureFiles.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: telvora-banner OUTDIR\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::vector<win::Surface> icons = {banner::DrawIcon(48), banner::DrawIcon(32),
                                             banner::DrawIcon(16)};
    struct Output {
        std::string name;
        bool written;
    };
    const Output outputs[] = {
        {"banner.jpg", banner::WriteJpeg(folder + "banner.jpg", banner::DrawBanner(), 92)},
        {"telvora.ico", banner::WriteIco(folder + "telvora.ico", icons)},
        {"telvora.png", banner::WriteRgbaPng(folder + "telvora.png", icons.front())},
    };
    for (const Output& output : outputs) {
        if (!output.written) {
            std::fprintf(stderr, "telvora-banner: cannot write %s%s\n", folder.c_str(),
                         output.name.c_str());
            return 1;
        }
    }
    return 0;
}
