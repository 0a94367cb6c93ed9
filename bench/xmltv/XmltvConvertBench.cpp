// Converts one generated XMLTV feed (500 channels, 7 days, about 50 MB) with
// telvora-tool and reads it with xmllint --stream --noout in alternating rounds;
// reports the median wall and processor times, their ratios and each one's peak
// memory. Never fails on a time: it only reports.

#include "bench/support/MeasuredProcess.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kChannels = 500;
constexpr int kDays = 7;

const char* const kTitles[] = {"新闻联播",         "焦点访谈",        "天气预报", "电视剧：山海情",
                               "动物世界",         "体育新闻",        "今日说法", "晚间新闻",
                               "纪录片：美丽中国", "综艺：快乐大本营"};
const char* const kCategories[] = {"新闻", "电视剧", "体育", "纪录片", "综艺"};

// A feed laid out as public guides publish theirs: channels first, then each
// channel's programmes every half hour with a description.
void WriteFeed(const fs::path& path) {
    std::mt19937 random(20261210);
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE tv SYSTEM \"xmltv.dtd\">\n"
           "<tv generator-info-name=\"bench\">\n";
    for (int c = 0; c < kChannels; ++c) {
        out << "  <channel id=\"ch" << c << ".cn\">\n    <display-name lang=\"zh\">频道" << c
            << "卫视</display-name>\n    <display-name lang=\"en\">Channel " << c
            << "</display-name>\n  </channel>\n";
    }
    char line[1024];
    for (int c = 0; c < kChannels; ++c) {
        for (int day = 0; day < kDays; ++day) {
            for (int slot = 0; slot < 48; ++slot) {
                const int next = slot + 1;
                std::snprintf(line, sizeof line,
                              "  <programme start=\"202612%02d%02d%02d00 +0800\" "
                              "stop=\"202612%02d%02d%02d00 +0800\" channel=\"ch%d.cn\">\n"
                              "    <title lang=\"zh\">%s</title>\n"
                              "    <desc lang=\"zh\">第%u集。%s的精彩内容，敬请收看。</desc>\n"
                              "    <category lang=\"zh\">%s</category>\n"
                              "  </programme>\n",
                              10 + day, slot / 2, slot % 2 * 30, 10 + day + next / 48,
                              next % 48 / 2, next % 2 * 30, c, kTitles[random() % 10],
                              unsigned(random() % 100), kTitles[random() % 10],
                              kCategories[random() % 5]);
                out << line;
            }
        }
    }
    out << "</tv>\n";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    const fs::path work = fs::temp_directory_path() / ("xmltv-bench-" + std::to_string(::getpid()));
    try {
        fs::create_directories(work);
        const fs::path feed = work / "guide.xml";
        WriteFeed(feed);
        std::printf("feed: %d channels x %d days, %.1f MB\n", kChannels, kDays,
                    fs::file_size(feed) / 1e6);
        std::vector<double> tool, peer, toolCpu, peerCpu;
        long toolPeak = 0, peerPeak = 0;
        for (int round = 0; round < rounds; ++round) {
            fs::remove_all(work / "out");
            const ProcessMeasure converted =
                RunMeasured({TELVORA_TOOL_PATH, "xmltv", feed.string(), (work / "out").string()});
            const ProcessMeasure read =
                RunMeasured({"xmllint", "--stream", "--noout", feed.string()});
            tool.push_back(converted.seconds);
            peer.push_back(read.seconds);
            toolCpu.push_back(converted.cpuSeconds);
            peerCpu.push_back(read.cpuSeconds);
            toolPeak = std::max(toolPeak, converted.peakKiB);
            peerPeak = std::max(peerPeak, read.peakKiB);
        }
        std::printf(
            "telvora-tool xmltv:       %.3f s wall, %.3f s cpu (medians of %d), peak %.1f MB\n",
            Median(tool), Median(toolCpu), rounds, toolPeak / 1024.0);
        std::printf(
            "xmllint --stream --noout: %.3f s wall, %.3f s cpu (medians of %d), peak %.1f MB\n",
            Median(peer), Median(peerCpu), rounds, peerPeak / 1024.0);
        std::printf("ratio:                    %.2f wall, %.2f cpu\n", Median(tool) / Median(peer),
                    Median(toolCpu) / Median(peerCpu));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "xmltv_convert_bench: %s\n", e.what());
        fs::remove_all(work);
        return 1;
    }
    fs::remove_all(work);
    return 0;
}
