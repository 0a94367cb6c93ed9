// The framework's containers against the standard library doing the same work in
// the same run: a download collected in a memory stream by small writes, a
// sorted string list filled one string at a time, lines split from a text.
// Compare the pairs' times; the ratio is what matters.

#include "framework/MemoryStream.h"
#include "framework/StringList.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t ChunkSize = 1460; // one TCP segment's worth, as a download arrives

void MemoryStreamAppend(benchmark::State& state) {
    const std::string chunk(ChunkSize, 'x');
    for (auto _ : state) {
        fw::TMemoryStream stream;
        for (std::int64_t done = 0; done < state.range(0); done += ChunkSize)
            stream.WriteBuffer(chunk.data(), ChunkSize);
        benchmark::DoNotOptimize(stream.Memory());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(MemoryStreamAppend)->Arg(1 << 20)->Arg(16 << 20);

void VectorAppend(benchmark::State& state) {
    const std::string chunk(ChunkSize, 'x');
    for (auto _ : state) {
        std::vector<char> bytes;
        for (std::int64_t done = 0; done < state.range(0); done += ChunkSize)
            bytes.insert(bytes.end(), chunk.begin(), chunk.end());
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(VectorAppend)->Arg(1 << 20)->Arg(16 << 20);

std::vector<std::string> Names(std::int64_t count) {
    std::vector<std::string> names;
    for (std::int64_t i = 0; i < count; ++i)
        names.push_back("CCTV-" + std::to_string((i * 7919) % count) + ".txt");
    return names;
}

void SortedStringListAdd(benchmark::State& state) {
    const std::vector<std::string> names = Names(state.range(0));
    for (auto _ : state) {
        fw::TStringList list;
        list.SetSorted(true);
        for (const std::string& name : names)
            list.Add(name);
        benchmark::DoNotOptimize(list.IndexOf(names.back()));
    }
}
BENCHMARK(SortedStringListAdd)->Arg(1000)->Arg(10000);

void SortedVectorInsert(benchmark::State& state) {
    const std::vector<std::string> names = Names(state.range(0));
    for (auto _ : state) {
        std::vector<std::string> list;
        for (const std::string& name : names)
            list.insert(std::lower_bound(list.begin(), list.end(), name), name);
        benchmark::DoNotOptimize(std::binary_search(list.begin(), list.end(), names.back()));
    }
}
BENCHMARK(SortedVectorInsert)->Arg(1000)->Arg(10000);

std::string Schedule(std::int64_t lines) {
    std::string text;
    for (std::int64_t i = 0; i < lines; ++i)
        text += "08:00 新闻联播 " + std::to_string(i) + "\r\n";
    return text;
}

void StringListSetText(benchmark::State& state) {
    const std::string text = Schedule(state.range(0));
    for (auto _ : state) {
        fw::TStringList list;
        list.SetText(text);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(StringListSetText)->Arg(10000);

void VectorSplitLines(benchmark::State& state) {
    const std::string text = Schedule(state.range(0));
    for (auto _ : state) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find("\r\n", start);
            lines.emplace_back(text, start, end - start);
            start = end + 2;
        }
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(VectorSplitLines)->Arg(10000);

} // namespace
