// The catalogue's two costs that grow with the data: scanning a large listing
// folder, measured against `find` walking the same tree, and showing a long
// schedule, measured against reading and decoding the file alone.

#include "bench/catalogue/CatalogueData.h"
#include "catalogue/ChannelBrowser.h"
#include "catalogue/ScheduleText.h"
#include "catalogue/function_module.h"

#include <benchmark/benchmark.h>

namespace {

using namespace catalogue_bench;

void BM_ScanListingFolder(benchmark::State& state) {
    const std::string& root = ListingTree(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        fw::TStringList names;
        fw::TStringList paths;
        fw::TStringList folders;
        catalogue::ScanListingFolder(root, {names, paths, folders});
        benchmark::DoNotOptimize(names.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

void BM_FindPeer(benchmark::State& state) {
    MeasureFind(state, ListingTree(int(state.range(0)), int(state.range(1))));
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

// 500 folders of 40 files (20,000 channels), and 50 categories of 2,000.
#define TREE_SHAPES Args({500, 40})->Args({50, 2000})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ScanListingFolder)->TREE_SHAPES;
BENCHMARK(BM_FindPeer)->TREE_SHAPES;

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

// Reading and decoding a 10,000-line file alone: the yardstick for a selection.
void BM_ReadScheduleFile(benchmark::State& state) {
    ScheduleFile file;
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue::ReadScheduleFile(file.Path()));
    }
}
BENCHMARK(BM_ReadScheduleFile)->Unit(benchmark::kMicrosecond);

// A channel selection's text for the view: read, decode, header, join, find what is on now.
void BM_ChannelScheduleView(benchmark::State& state) {
    ScheduleFile file;
    fw::TStringList names;
    fw::TStringList paths;
    names.Add("新闻台");
    paths.Add(file.Path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue::ChannelScheduleView(names, paths, 0, 0));
    }
}
BENCHMARK(BM_ChannelScheduleView)->Unit(benchmark::kMicrosecond);

} // namespace
