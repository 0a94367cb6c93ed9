// Converts one generated XMLTV feed (500 channels, 7 days, about 50 MB) with
// telvora-tool and reads it with xmllint --stream --noout in alternating rounds;
// reports the median times, their ratio and each one's peak memory. Never fails
// on a time: it only reports.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

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

struct Run {
    double seconds;
    long peakKilobytes;
};

Run RunCommand(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + args[0]);
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(args[0] + " failed");
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {seconds, usage.ru_maxrss};
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
        std::vector<double> tool, peer;
        long toolPeak = 0, peerPeak = 0;
        for (int round = 0; round < rounds; ++round) {
            fs::remove_all(work / "out");
            const Run converted =
                RunCommand({TELVORA_TOOL_PATH, "xmltv", feed.string(), (work / "out").string()});
            const Run read = RunCommand({"xmllint", "--stream", "--noout", feed.string()});
            tool.push_back(converted.seconds);
            peer.push_back(read.seconds);
            toolPeak = std::max(toolPeak, converted.peakKilobytes);
            peerPeak = std::max(peerPeak, read.peakKilobytes);
        }
        std::printf("telvora-tool xmltv:          %.3f s (median of %d), peak %.1f MB\n",
                    Median(tool), rounds, toolPeak / 1024.0);
        std::printf("xmllint --stream --noout:    %.3f s (median of %d), peak %.1f MB\n",
                    Median(peer), rounds, peerPeak / 1024.0);
        std::printf("ratio:                       %.2f\n", Median(tool) / Median(peer));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "xmltv_convert_bench: %s\n", e.what());
        fs::remove_all(work);
        return 1;
    }
    fs::remove_all(work);
    return 0;
}
