#include "platform/kernel/Resource.h"

#include "platform/kernel/Module.h"
#include "platform/kernel/SystemMessage.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

using namespace win;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ResourceBytes(HMODULE module, std::string_view name, std::string_view type) {
    HRSRC found = FindResource(module, name, type);
    if (found == nullptr) {
        return "<missing>";
    }
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    return std::string(bytes, SizeofResource(module, found));
}

TEST(Resource, FindsEveryEmbeddedFileByTypeAndNameIgnoringCase) {
    const std::string greeting = FileBytes(TEST_DATA_DIR "/greeting.txt");
    ASSERT_FALSE(greeting.empty());
    EXPECT_EQ(ResourceBytes(nullptr, "Greeting", "Text"), greeting);
    EXPECT_EQ(ResourceBytes(nullptr, "GREETING", "text"), greeting);
    EXPECT_EQ(ResourceBytes(GetModuleHandle(nullptr), "greeting", "TEXT"), greeting);
    EXPECT_EQ(ResourceBytes(nullptr, "empty", "BIN"), "");
}

TEST(Resource, EmbedsThe7ZipLibraryByteForByte) {
    const std::string library = FileBytes(TEST_7Z_LIBRARY);
    ASSERT_GT(library.size(), 100000u);
    EXPECT_TRUE(ResourceBytes(nullptr, "7Z", "DLL") == library);
}

TEST(Resource, MissingResourcesSayWhatIsMissing) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(FindResource(nullptr, "nothing", "text"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_EQ(FindResource(nullptr, "greeting", "nosuchtype"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);
    // A name is matched whole, not by prefix.
    EXPECT_EQ(FindResource(nullptr, "greet", "text"), nullptr);
    EXPECT_EQ(FindResource(nullptr, "7z", "dl"), nullptr);
    EXPECT_EQ(SystemMessageText(ERROR_RESOURCE_NAME_NOT_FOUND),
              "The specified resource name cannot be found in the image file");
}

TEST(Resource, OtherModulesHoldNoResources) {
    EXPECT_EQ(FindResource(reinterpret_cast<HMODULE>(8), "greeting", "text"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_DATA_NOT_FOUND);
    EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
}

} // namespace
