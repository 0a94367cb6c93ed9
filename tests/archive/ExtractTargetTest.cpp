#include "archive/ExtractTarget.h"

#include "tests/archive/ArchiveTestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace archive {
namespace {

using Segments = std::vector<std::string_view>;

TEST(ExtractTarget, AcceptsOnlyPathsThatStayInsideTheFolder) {
    struct Case {
        std::string path;
        std::optional<Segments> expected;
    };
    const Case cases[] = {
        {"a/b/c.txt", Segments{"a", "b", "c.txt"}},
        {"dir\\sub\\f.txt", Segments{"dir", "sub", "f.txt"}},
        {"./ok", Segments{"ok"}},
        {"a//b", Segments{"a", "b"}},
        {"C:\\v", Segments{"C:", "v"}},
        {"..x/y..", Segments{"..x", "y.."}},
        {"../x", std::nullopt},
        {"a/../../z", std::nullopt},
        {"a/..", std::nullopt},
        {"..\\w", std::nullopt},
        {"/etc/passwd", std::nullopt},
        {"\\abs", std::nullopt},
        {"", std::nullopt},
        {".", std::nullopt},
        {"/", std::nullopt},
        {std::string("a\0b", 3), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(TExtractTarget::SafeSegments(c.path), c.expected);
    }
}

TEST(ExtractTarget, CreatesMissingFoldersAndRefusesSymbolicLinksInside) {
    test::TTempFolder root;
    test::TTempFolder outside;
    ASSERT_EQ(::symlink(outside.Path().c_str(), (root / "link").c_str()), 0);
    ASSERT_EQ(::symlink((outside / "file").c_str(), (root / "leaf").c_str()), 0);
    TExtractTarget target(root.Path() + "/");

    EXPECT_EQ(target.PrepareFile("a\\b/c.txt"), root / "a/b/c.txt");
    EXPECT_EQ(target.PrepareFile("link/x.txt"), std::nullopt);
    EXPECT_EQ(target.PrepareFile("leaf"), std::nullopt);
    EXPECT_EQ(target.PrepareFile("a/../link"), std::nullopt);
    EXPECT_EQ(test::TreeOf(root.Path()), (std::vector<std::string>{"a/", "a/b/", "leaf", "link"}));
    EXPECT_TRUE(test::TreeOf(outside.Path()).empty());
}

} // namespace
} // namespace archive
