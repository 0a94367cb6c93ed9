// Packing and unpacking 10 MB of schedule-like text and of bitmap pixels: the
// codec as built, against the literal reference loops driven through the stock
// stream callbacks one byte a call. Both write the same bit stream.

#include "framework/MemoryStream.h"
#include "skin/WinConvert.h"
#include "tests/skin/support/LzhReference.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSize = 10 * 1024 * 1024;

// "HH:MM programme" lines with GBK-range names from a fixed vocabulary.
std::string ScheduleText() {
    std::mt19937 rng(7);
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) {
        std::string name;
        for (int k = 0, length = 4 + static_cast<int>(rng() % 8) * 2; k < length; ++k)
            name += static_cast<char>(0xB0 + rng() % 40);
        names.push_back(name);
    }
    std::string text;
    for (int minute = 0; text.size() < kSize; minute += 5 + static_cast<int>(rng() % 55)) {
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d ", (minute / 60) % 24, minute % 60);
        text += time + names[rng() % names.size()] + "\r\n";
    }
    text.resize(kSize);
    return text;
}

// 24-bit rows of 632 pixels: gradients with some noise, broken by magenta blocks.
std::string BitmapPixels() {
    std::mt19937 rng(9);
    std::string pixels;
    for (int y = 0; pixels.size() < kSize; ++y) {
        for (int x = 0; x < 632; ++x) {
            const bool key = (x / 40 + y / 30) % 3 == 0;
            pixels += static_cast<char>(key ? 0xFF : x * 255 / 632);
            pixels += static_cast<char>(key ? 0x00 : y * 3);
            pixels += static_cast<char>(key ? 0xFF : (x + y) / 2 + static_cast<int>(rng() % 3));
        }
    }
    pixels.resize(kSize);
    return pixels;
}

void Fill(fw::TMemoryStream& stream, const std::string& bytes) {
    stream.Clear();
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
}

const std::string& Input(int which) {
    static const std::string text = ScheduleText();
    static const std::string pixels = BitmapPixels();
    return which == 0 ? text : pixels;
}

// The reference loops over the stock callbacks of a TLZH, framed as a
// compressed block.
struct StockCallbacks {
    StockCallbacks(fw::TMemoryStream& source, fw::TMemoryStream& dest) {
        lzh.StreamIn = &source;
        lzh.StreamOut = &dest;
        source.SetPosition(0);
        dest.SetPosition(0);
    }
    skin::TLZH lzh;
    skin::TReadProc get = [this](void* d, std::uint16_t n, std::uint16_t& got) {
        lzh.GetBlockStream(d, n, got);
    };
    skin::TWriteProc put = [this](const void* d, std::uint16_t n, std::uint16_t& got) {
        lzh.PutBlockStream(d, n, got);
    };
};

void BaselineCompress(fw::TMemoryStream& source, fw::TMemoryStream& dest) {
    StockCallbacks stock(source, dest);
    const std::int32_t length = static_cast<std::int32_t>(source.Size());
    dest.WriteBuffer(&length, 4);
    std::int32_t written = 0;
    skin::reference::LZHPack(written, stock.get, stock.put);
}

void BaselineDecompress(fw::TMemoryStream& source, fw::TMemoryStream& dest) {
    StockCallbacks stock(source, dest);
    std::int32_t length = 0;
    source.ReadBuffer(&length, 4);
    skin::reference::LZHUnpack(length, stock.get, stock.put);
}

template <void (*Coder)(fw::TMemoryStream&, fw::TMemoryStream&)>
void Pack(benchmark::State& state) {
    fw::TMemoryStream source, dest;
    Fill(source, Input(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        dest.Clear();
        Coder(source, dest);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kSize));
    state.counters["ratio"] = static_cast<double>(dest.Size()) / kSize;
}

template <void (*Coder)(fw::TMemoryStream&, fw::TMemoryStream&)>
void Unpack(benchmark::State& state) {
    fw::TMemoryStream source, packed, dest;
    Fill(source, Input(static_cast<int>(state.range(0))));
    skin::Compress(source, packed);
    for (auto _ : state) {
        dest.Clear();
        Coder(packed, dest);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kSize));
}

void Compress(fw::TMemoryStream& s, fw::TMemoryStream& d) {
    skin::Compress(s, d);
}
void Decompress(fw::TMemoryStream& s, fw::TMemoryStream& d) {
    skin::Decompress(s, d);
}

// Argument 0: schedule text; 1: bitmap pixels.
BENCHMARK(Pack<Compress>)
    ->Name("Pack")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(Pack<BaselineCompress>)
    ->Name("PackBaseline")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(Unpack<Decompress>)
    ->Name("Unpack")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(Unpack<BaselineDecompress>)
    ->Name("UnpackBaseline")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

BENCHMARK_MAIN();
