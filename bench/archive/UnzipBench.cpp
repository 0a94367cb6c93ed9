// Unpacks one data package of schedule files with telvora-tool and with 7z (the
// same library) in alternating rounds and reports the median times and their
// ratio. Never fails on a time: it only reports.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Schedule-like text: time stamps and programme titles, so it compresses as the
// real files do.
std::string ScheduleText(std::mt19937& random, std::size_t size) {
    static const char* const titles[] = {"News",        "Weather",  "Drama", "Sports", "Film",
                                         "Documentary", "Children", "Music", "Opera"};
    std::string text;
    while (text.size() < size) {
        char line[64];
        std::snprintf(line, sizeof line, "%02u:%02u %s %u\r\n", unsigned(random() % 24),
                      unsigned(random() % 60), titles[random() % 9], unsigned(random() % 1000));
        text += line;
    }
    return text;
}

void MakePackage(const fs::path& root, int files, const fs::path& zip) {
    std::mt19937 random(2011912);
    for (int i = 0; i < files; ++i) {
        const fs::path folder = root / ("category" + std::to_string(i % 12));
        fs::create_directories(folder);
        std::ofstream(folder / ("channel" + std::to_string(i) + ".txt"), std::ios::binary)
            << ScheduleText(random, 10000);
    }
    const std::string command = "cd '" + root.string() + "' && 7z a -tzip -mx=5 -bd -bso0 -bsp0 '" +
                                zip.string() + "' . >/dev/null";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("7z could not make the package");
}

double TimeCommand(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 3000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    const fs::path work =
        fs::temp_directory_path() / ("archive-bench-" + std::to_string(::getpid()));
    try {
        MakePackage(work / "source", files, work / "package.zip");
        const std::string zip = (work / "package.zip").string();
        std::printf("package: %d files, %.1f MB unpacked, %.1f MB packed\n", files,
                    files * 10000 / 1e6, fs::file_size(zip) / 1e6);
        std::vector<double> tool, peer;
        for (int round = 0; round < rounds; ++round) {
            fs::remove_all(work / "out");
            tool.push_back(TimeCommand(std::string(TELVORA_TOOL_PATH) + " unzip '" + zip + "' '" +
                                       (work / "out").string() + "'"));
            fs::remove_all(work / "out");
            peer.push_back(TimeCommand("7z x -y -bd -bso0 -bsp0 -o'" + (work / "out").string() +
                                       "' '" + zip + "' >/dev/null"));
        }
        std::printf("telvora-tool unzip: %.3f s (median of %d)\n", Median(tool), rounds);
        std::printf("7z x:               %.3f s (median of %d)\n", Median(peer), rounds);
        std::printf("ratio:              %.2f\n", Median(tool) / Median(peer));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "archive_unzip_bench: %s\n", e.what());
        fs::remove_all(work);
        return 1;
    }
    fs::remove_all(work);
    return 0;
}
