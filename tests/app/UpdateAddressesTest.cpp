// The update's two addresses: built in, replaced by the configuration file,
// replaced by the environment.

#include "app/UpdateAddresses.h"

#include "tests/platform_shell/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using testing_support::ScopedEnvironment;
using testing_support::TempFolder;

TEST(UpdateAddresses, BuiltInAreTheBuildSettings) {
    const TUpdateAddresses built = BuiltInUpdateAddresses();
    EXPECT_EQ(built.PackageUrl, TELVORA_PACKAGE_URL);
    EXPECT_EQ(built.ProbeUrl, TELVORA_PROBE_URL);
    EXPECT_TRUE(built.PackageUrl.ends_with("/download/showtime.zip"));
}

TEST(UpdateAddresses, ConfigurationLines) {
    const TUpdateAddresses base{"http://a/p.zip", "http://a/"};
    const struct {
        const char* rule;
        const char* text;
        TUpdateAddresses expected;
    } cases[] = {
        {"empty text keeps both", "", base},
        {"both keys",
         "package-url = http://b/p.zip\nprobe-url = http://b/\n",
         {"http://b/p.zip", "http://b/"}},
        {"spaces, tabs and CR LF around key and value",
         " \tpackage-url\t=  http://b/p.zip \r\n",
         {"http://b/p.zip", "http://a/"}},
        {"no spaces at all", "probe-url=http://c/", {"http://a/p.zip", "http://c/"}},
        {"a later line wins",
         "probe-url = http://c/\nprobe-url = http://d/",
         {"http://a/p.zip", "http://d/"}},
        {"comments, blank lines, other keys and lines without = change nothing",
         "# package-url = http://x/\n\nmirror = http://x/\npackage-url http://x/\n", base},
        {"an empty value changes nothing", "package-url =\n", base},
        {"the value keeps its own = signs",
         "package-url = http://b/p.zip?a=1",
         {"http://b/p.zip?a=1", "http://a/"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyUpdateConfiguration(base, c.text), c.expected) << c.rule;
}

TEST(UpdateAddresses, TheEnvironmentWinsOverTheFile) {
    TempFolder config;
    std::filesystem::create_directories(config / "telvora");
    testing_support::WriteFile(config / "telvora" / "telvora.conf",
                               "package-url = http://file/p.zip\nprobe-url = http://file/\n");
    ScopedEnvironment home("XDG_CONFIG_HOME", config.path().string());
    {
        ScopedEnvironment package("TELVORA_PACKAGE_URL", "");
        ScopedEnvironment probe("TELVORA_PROBE_URL", "");
        EXPECT_EQ(UpdateAddresses(), (TUpdateAddresses{"http://file/p.zip", "http://file/"}));
    }
    ScopedEnvironment package("TELVORA_PACKAGE_URL", "http://env/p.zip");
    ScopedEnvironment probe("TELVORA_PROBE_URL", "");
    EXPECT_EQ(UpdateAddresses(), (TUpdateAddresses{"http://env/p.zip", "http://file/"}));
}

} // namespace
