#include "bench/catalogue/CatalogueData.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

namespace catalogue_bench {

namespace {

namespace fs = std::filesystem;

// Name patterns the rules act on, so the naming cost is that of real packages.
const char* const kNamePatterns[] = {"%02d.txt",       "shandong山东卫视%d.txt", "news%d.txt",
                                     "%d少儿频道.TXT", "hunan湖南电视台%d.txt",  "channel%d.txt",
                                     "readme%d.md"};

std::string FileName(int i) {
    char name[64];
    std::snprintf(name, sizeof name, kNamePatterns[i % std::size(kNamePatterns)], i);
    return name;
}

// One tree per shape, made on first use and removed at exit.
class TreeCache {
public:
    ~TreeCache() {
        std::error_code error;
        fs::remove_all(FBase, error);
    }

    const std::string& Tree(int folders, int filesPerFolder) {
        const auto key = std::make_pair(folders, filesPerFolder);
        auto found = FTrees.find(key);
        if (found == FTrees.end()) {
            found = FTrees.emplace(key, Make(folders, filesPerFolder)).first;
        }
        return found->second;
    }

private:
    std::string Make(int folders, int filesPerFolder) {
        const fs::path root =
            FBase / (std::to_string(folders) + "x" + std::to_string(filesPerFolder));
        for (int f = 0; f < folders; ++f) {
            // Categories with a level of subfolders beneath, as packages have.
            const fs::path folder =
                root / ("频道" + std::to_string(f % 50)) / ("sub" + std::to_string(f / 50));
            fs::create_directories(folder);
            for (int i = 0; i < filesPerFolder; ++i) {
                std::ofstream(folder / FileName(i));
            }
        }
        return root.string();
    }

    fs::path FBase = fs::temp_directory_path() / ("catalogue-bench-" + std::to_string(getpid()));
    std::map<std::pair<int, int>, std::string> FTrees;
};

TreeCache& Trees() {
    static TreeCache cache;
    return cache;
}

} // namespace

const std::string& ListingTree(int folders, int filesPerFolder) {
    return Trees().Tree(folders, filesPerFolder);
}

std::string ScheduleBytes(Encoding encoding, int lines) {
    // "19:30 新闻联播" in each encoding, with CR LF line ends.
    std::string line;
    switch (encoding) {
    case Encoding::Utf8:
        line = "19:30 新闻联播 第%05d期\r\n";
        break;
    case Encoding::Gbk:
        line = "19:30 \xD0\xC2\xCE\xC5\xC1\xAA\xB2\xA5 %05d\r\n";
        break;
    case Encoding::Utf16Le:
        line = std::string("1\0"
                           "9\0:\0"
                           "3\0"
                           "0\0 \0\xB0\x65\xFB\x95\x54\x80\xAD\x64\r\0\n\0",
                           24);
        break;
    }
    std::string bytes = encoding == Encoding::Utf16Le ? "\xFF\xFE" : "";
    char buffer[64];
    for (int i = 0; i < lines; ++i) {
        if (encoding == Encoding::Utf16Le) {
            bytes += line;
        } else {
            std::snprintf(buffer, sizeof buffer, line.c_str(), i);
            bytes += buffer;
        }
    }
    return bytes;
}

ScheduleFile::ScheduleFile()
    : FPath((fs::temp_directory_path() / ("catalogue-bench-" + std::to_string(getpid()) + ".txt"))
                .string()) {
    std::ofstream(FPath, std::ios::binary) << ScheduleBytes(Encoding::Gbk, 10000);
}

ScheduleFile::~ScheduleFile() {
    std::remove(FPath.c_str());
}

namespace {

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

void MeasureFind(benchmark::State& state, const std::string& root) {
    const std::string command = "find '" + root + "' >/dev/null";
    const double cpuBefore = ChildrenCpuSeconds();
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("find failed");
            break;
        }
    }
    state.counters["find_cpu_ms"] =
        benchmark::Counter((ChildrenCpuSeconds() - cpuBefore) * 1e3 / double(state.iterations()));
}

} // namespace catalogue_bench
