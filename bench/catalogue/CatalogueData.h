#pragma once
// The data the catalogue benchmarks run on: listing trees of many channel files
// with names the rules act on, and long schedule files in each encoding.

#include <benchmark/benchmark.h>
#include <string>

namespace catalogue_bench {

// A tree of `folders` folders (50 categories with a level of subfolders
// beneath, as packages have) of `filesPerFolder` files each; made on first use,
// removed at exit.
const std::string& ListingTree(int folders, int filesPerFolder);

enum class Encoding { Utf8, Gbk, Utf16Le };

// `lines` lines "19:30 新闻联播 ..." with CR LF line ends.
std::string ScheduleBytes(Encoding encoding, int lines);

// A 10,000-line GBK schedule file, removed with the object.
class ScheduleFile {
public:
    ScheduleFile();
    ~ScheduleFile();
    ScheduleFile(const ScheduleFile&) = delete;
    ScheduleFile& operator=(const ScheduleFile&) = delete;
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

// The peer of a scan: find(1) walking and printing the tree, as a whole process,
// once per iteration. Its CPU time is the child's, so it is reported as the
// counter find_cpu_ms.
void MeasureFind(benchmark::State& state, const std::string& root);

} // namespace catalogue_bench
