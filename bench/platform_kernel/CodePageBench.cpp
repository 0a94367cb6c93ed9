// The ANSI decoder against iconv used directly: once with a descriptor kept
// (the floor), once opening a descriptor per call (what keeping one saves).
// Inputs: one large schedule-sized text, and many short names.

#include "platform/kernel/CodePage.h"

#include <benchmark/benchmark.h>
#include <iconv.h>
#include <string>

namespace {

std::string GbkText(std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) {
        text += "08:00 \xD0\xC2\xCE\xC5\xC1\xAA\xB2\xA5 CCTV-1 \xD6\xD0\xCE\xC4\r\n";
    }
    return text;
}

std::string IconvOnce(iconv_t cd, const std::string& input) {
    std::string out(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* at = out.data();
    std::size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &at, &outLeft);
    out.resize(out.size() - outLeft);
    return out;
}

void Run(benchmark::State& state, const std::string& text, int calls, int mode) {
    iconv_t kept = iconv_open("UTF-8", "GB18030");
    for (auto _ : state) {
        for (int i = 0; i < calls; ++i) {
            if (mode == 0) {
                benchmark::DoNotOptimize(win::AnsiToUtf8(text));
            } else if (mode == 1) {
                benchmark::DoNotOptimize(IconvOnce(kept, text));
            } else {
                iconv_t cd = iconv_open("UTF-8", "GB18030");
                benchmark::DoNotOptimize(IconvOnce(cd, text));
                iconv_close(cd);
            }
        }
    }
    iconv_close(kept);
    state.SetBytesProcessed(state.iterations() * calls * static_cast<std::int64_t>(text.size()));
}

const std::string kLarge = GbkText(20000);
const std::string kShort = "\xD6\xD0\xD1\xEB\xD2\xBB\xCC\xA8";

void AnsiToUtf8Large(benchmark::State& s) {
    Run(s, kLarge, 1, 0);
}
void IconvKeptLarge(benchmark::State& s) {
    Run(s, kLarge, 1, 1);
}
void AnsiToUtf8Short(benchmark::State& s) {
    Run(s, kShort, 1000, 0);
}
void IconvKeptShort(benchmark::State& s) {
    Run(s, kShort, 1000, 1);
}
void IconvOpenPerCallShort(benchmark::State& s) {
    Run(s, kShort, 1000, 2);
}

BENCHMARK(AnsiToUtf8Large);
BENCHMARK(IconvKeptLarge);
BENCHMARK(AnsiToUtf8Short);
BENCHMARK(IconvKeptShort);
BENCHMARK(IconvOpenPerCallShort);

} // namespace
