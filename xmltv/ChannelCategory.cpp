#include "xmltv/ChannelCategory.h"

#include "xmltv/NameText.h"

#include <array>

namespace xmltv {

namespace {

constexpr std::string_view kCentral = "央视频道";
constexpr std::string_view kLocal = "地方频道";
constexpr std::string_view kDigital = "数字频道";
constexpr std::string_view kAbroad = "境外频道";

struct CategoryRule {
    std::string_view keyword; // lower-case
    std::string_view category;
};

// In order: the national broadcaster first (its pay channels stay with it),
// then Hong Kong, Macao, Taiwan and foreign broadcasters (before the pay
// channels, as some of them are received as such), then the pay and digital
// channels. Feed ids carry a country suffix, hence ".hk", ".mo", ".tw".
constexpr auto kCategoryRules = std::to_array<CategoryRule>({
    {"cctv", kCentral},
    {"cgtn", kCentral},
    {"中央电视台", kCentral},
    {"央视", kCentral},
    {"中国国际电视台", kCentral},

    {".hk", kAbroad},
    {".mo", kAbroad},
    {".tw", kAbroad},
    {"香港", kAbroad},
    {"澳门", kAbroad},
    {"澳門", kAbroad},
    {"台湾", kAbroad},
    {"台灣", kAbroad},
    {"凤凰", kAbroad},
    {"鳳凰", kAbroad},
    {"phoenix", kAbroad},
    {"tvb", kAbroad},
    {"翡翠", kAbroad},
    {"明珠台", kAbroad},
    {"viutv", kAbroad},
    {"澳视", kAbroad},
    {"澳視", kAbroad},
    {"澳亚", kAbroad},
    {"台视", kAbroad},
    {"台視", kAbroad},
    {"中视", kAbroad},
    {"中視", kAbroad},
    {"华视", kAbroad},
    {"華視", kAbroad},
    {"民视", kAbroad},
    {"民視", kAbroad},
    {"东森", kAbroad},
    {"東森", kAbroad},
    {"三立", kAbroad},
    {"中天", kAbroad},
    {"纬来", kAbroad},
    {"緯來", kAbroad},
    {"星空", kAbroad},
    {"hbo", kAbroad},
    {"cnn", kAbroad},
    {"bbc", kAbroad},
    {"nhk", kAbroad},
    {"kbs", kAbroad},
    {"bloomberg", kAbroad},
    {"cnbc", kAbroad},
    {"discovery", kAbroad},
    {"国家地理", kAbroad},
    {"national geographic", kAbroad},
    {"espn", kAbroad},
    {"euronews", kAbroad},
    {"france 24", kAbroad},
    {"arirang", kAbroad},
    {"al jazeera", kAbroad},

    {"chc", kDigital},
    {"付费", kDigital},
    {"数字", kDigital},
    {"求索", kDigital},
    {"风云", kDigital},
    {"剧场", kDigital},
    {"卡通", kDigital},
    {"动漫", kDigital},
    {"卡酷", kDigital},
    {"游戏", kDigital},
    {"电竞", kDigital},
    {"劲爆体育", kDigital},
    {"七彩戏剧", kDigital},
    {"全纪实", kDigital},
    {"生活时尚", kDigital},
    {"魅力足球", kDigital},
    {"东方财经", kDigital},
    {"茶频道", kDigital},
    {"垂钓", kDigital},
    {"围棋", kDigital},
    {"武术世界", kDigital},
    {"梨园", kDigital},
    {"文物宝库", kDigital},
    {"先锋乒羽", kDigital},
    {"中国天气", kDigital},
    {"newtv", kDigital},
    {"ihot", kDigital},
    {"sitv", kDigital},
    {"bestv", kDigital},
});

} // namespace

std::string_view ChannelCategory(const std::vector<std::string>& names) {
    std::vector<std::string> lowered;
    lowered.reserve(names.size());
    for (const std::string& name : names) {
        lowered.push_back(AsciiLowered(name));
    }
    for (const CategoryRule& rule : kCategoryRules) {
        for (const std::string& name : lowered) {
            if (name.find(rule.keyword) != std::string::npos) {
                return rule.category;
            }
        }
    }
    return kLocal;
}

} // namespace xmltv
