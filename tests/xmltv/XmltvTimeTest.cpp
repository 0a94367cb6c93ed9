#include "xmltv/XmltvTime.h"

#include <gtest/gtest.h>

namespace xmltv {
namespace {

// 2026-12-10 00:00 UTC.
constexpr std::int64_t kDay = 20797LL * 86400;

TEST(XmltvTime, StampsAndZones) {
    struct Case {
        const char* text;
        std::optional<BroadcastTime> time;
    };
    const Case kCases[] = {
        {"20261210190000 +0800", BroadcastTime{kDay + 11 * 3600, 480}},
        {"20261210190000+0800", BroadcastTime{kDay + 11 * 3600, 480}},
        {"20261210190000 -0530", BroadcastTime{kDay + 19 * 3600 + 5 * 3600 + 1800, -330}},
        {"20261210190000 +05:30", BroadcastTime{kDay + 19 * 3600 - 5 * 3600 - 1800, 330}},
        {"20261210190000", BroadcastTime{kDay + 19 * 3600, 0}}, // no zone: UTC
        {"20261210190000 Z", BroadcastTime{kDay + 19 * 3600, 0}},
        {"20261210190000 UTC", BroadcastTime{kDay + 19 * 3600, 0}},
        {"202612101930 +0800", BroadcastTime{kDay + 11 * 3600 + 1800, 480}}, // no seconds
        {"20261210 +0800", BroadcastTime{kDay - 8 * 3600, 480}},             // the day only
        {"20261211000000 +0800", BroadcastTime{kDay + 16 * 3600, 480}},
        {"20261210190000 +0800 ", BroadcastTime{kDay + 11 * 3600, 480}},
        {"2026121019000 +0800", std::nullopt}, // an odd digit
        {"20261310190000 +0800", std::nullopt},
        {"20260230190000 +0800", std::nullopt},
        {"20261210250000 +0800", std::nullopt},
        {"20261210190000 CST", std::nullopt},
        {"20261210190000 +2500", std::nullopt},
        {"", std::nullopt},
        {"x", std::nullopt},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(ParseXmltvTime(c.text), c.time) << c.text;
    }
}

} // namespace
} // namespace xmltv
