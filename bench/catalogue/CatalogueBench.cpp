// The catalogue's two costs that grow with the data: scanning a large listing
// folder, measured against `find` walking the same tree, and showing a long
// schedule, measured against reading and decoding the file alone.

#include "catalogue/ChannelBrowser.h"
#include "catalogue/ScheduleText.h"
#include "catalogue/function_module.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

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

void BM_ScanListingFolder(benchmark::State& state) {
    const std::string& root = Trees().Tree(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        fw::TStringList names;
        fw::TStringList paths;
        fw::TStringList folders;
        catalogue::ScanListingFolder(root, {names, paths, folders});
        benchmark::DoNotOptimize(names.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The peer: find(1) walking and printing the same tree, as a whole process. Its
// CPU time is the child's, so it is reported as a counter of its own.
void BM_FindPeer(benchmark::State& state) {
    const std::string& root = Trees().Tree(int(state.range(0)), int(state.range(1)));
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
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

// 500 folders of 40 files (20,000 channels), and 50 categories of 2,000.
#define TREE_SHAPES Args({500, 40})->Args({50, 2000})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ScanListingFolder)->TREE_SHAPES;
BENCHMARK(BM_FindPeer)->TREE_SHAPES;

enum class Encoding { Utf8, Gbk, Utf16Le };

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

void BM_DecodeScheduleText(benchmark::State& state) {
    const std::string bytes = ScheduleBytes(Encoding(state.range(0)), 10000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue::DecodeScheduleText(bytes));
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}
BENCHMARK(BM_DecodeScheduleText)
    ->ArgName("encoding")
    ->Arg(int(Encoding::Utf8))
    ->Arg(int(Encoding::Gbk))
    ->Arg(int(Encoding::Utf16Le))
    ->Unit(benchmark::kMicrosecond);

class ScheduleFile {
public:
    ScheduleFile() {
        std::ofstream(FPath, std::ios::binary) << ScheduleBytes(Encoding::Gbk, 10000);
    }
    ~ScheduleFile() { std::remove(FPath.c_str()); }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath =
        (fs::temp_directory_path() / ("catalogue-bench-" + std::to_string(getpid()) + ".txt"))
            .string();
};

// Reading and decoding a 10,000-line file alone: the yardstick for a selection.
void BM_ReadScheduleFile(benchmark::State& state) {
    ScheduleFile file;
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue::ReadScheduleFile(file.Path()));
    }
}
BENCHMARK(BM_ReadScheduleFile)->Unit(benchmark::kMicrosecond);

// A channel selection into a list of lines: read, decode, header, fill.
void BM_ShowChannelSchedule(benchmark::State& state) {
    ScheduleFile file;
    fw::TStringList names;
    fw::TStringList paths;
    names.Add("新闻台");
    paths.Add(file.Path());
    fw::TStringList view;
    for (auto _ : state) {
        catalogue::ShowChannelSchedule(view, names, paths, 0);
        benchmark::DoNotOptimize(view.Count());
    }
}
BENCHMARK(BM_ShowChannelSchedule)->Unit(benchmark::kMicrosecond);

} // namespace
