#include "xmltv/ChannelCategory.h"

#include <gtest/gtest.h>

namespace xmltv {
namespace {

TEST(ChannelCategory, NamesDecideTheFolder) {
    struct Case {
        std::vector<std::string> names;
        const char* category;
    };
    const Case kCases[] = {
        {{"CCTV-1 综合", "CCTV1.cn"}, "央视频道"},
        {{"CCTV-5+"}, "央视频道"},
        {{"cctv风云足球"}, "央视频道"}, // the broadcaster's pay channels stay with it
        {{"CGTN Documentary"}, "央视频道"},
        {{"湖南卫视", "hunan.cn"}, "地方频道"},
        {{"广州新闻"}, "地方频道"}, // a city channel: no row names it
        {{"凤凰卫视中文台"}, "境外频道"},
        {{"Jade", "TVB.hk"}, "境外频道"}, // by the id's country
        {{"澳门卫视"}, "境外频道"},
        {{"HBO"}, "境外频道"},
        {{"CHC高清电影"}, "数字频道"},
        {{"金鹰卡通"}, "数字频道"},
        {{"欢笑剧场"}, "数字频道"},
        {{}, "地方频道"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(ChannelCategory(c.names), c.category) << (c.names.empty() ? "" : c.names[0]);
    }
}

} // namespace
} // namespace xmltv
