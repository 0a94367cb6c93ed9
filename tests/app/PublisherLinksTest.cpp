#include "app/PublisherLinks.h"

#include <gtest/gtest.h>

namespace {

TEST(PublisherLinks, PrefixFollowedDirectlyByTheVersionText) {
    const std::string host = std::string("http://") + TELVORA_PUBLISHER_HOST;
    struct Case {
        std::string version;
        std::string official;
        std::string online;
    };
    const Case cases[] = {
        {"1.30.2011912", host + "/?qq=orvo1.30.2011912",
         host + "/Data/Telvora/?qq=orvo1.30.2011912"},
        {"", host + "/?qq=orvo", host + "/Data/Telvora/?qq=orvo"},
        {"2.0 beta", host + "/?qq=orvo2.0 beta", host + "/Data/Telvora/?qq=orvo2.0 beta"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OfficialSiteLink(c.version), c.official);
        EXPECT_EQ(OnlineVersionLink(c.version), c.online);
    }
}

} // namespace
