#include "archive/T7zPlugin.h"

#include "archive/ResultCode.h"
#include "archive/T7zArchive.h"
#include "archive/Unit_sevenzip.h"
#include "framework/Exception.h"
#include "tests/archive/ArchiveTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace archive {
namespace {

using test::EmbeddedLibraryPath;
using test::IsLibraryLoaded;

std::string CreationError(const std::function<void()>& create) {
    try {
        create();
    } catch (const fw::Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

TEST(T7zPlugin, RefusesLibrariesThatAreNotTheArchiveLibraryAndUnloadsThem) {
    struct Case {
        std::string lib;
        bool asArchive;
        std::string message;
    };
    const std::string missing = "/nonexistent/folder/7z.dll";
    const Case cases[] = {
        {missing, false, "Error loading library " + missing},
        {FAKE_NONE_PATH, false, std::string(FAKE_NONE_PATH) + " is not a 7z library"},
        {FAKE_NONE_PATH, true, std::string(FAKE_NONE_PATH) + " is not a 7z library"},
        {FAKE_NO_FORMAT_PATH, true, std::string(FAKE_NO_FORMAT_PATH) + " is not a Format library"},
        {FAKE_OTHER_LAYOUT_PATH, false,
         std::string(FAKE_OTHER_LAYOUT_PATH) +
             " uses an unsupported object layout (interface type 1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lib);
        EXPECT_EQ(CreationError([&] {
                      if (c.asArchive)
                          T7zArchive archive(c.lib);
                      else
                          T7zPlugin plugin(c.lib);
                  }),
                  c.message);
        EXPECT_FALSE(IsLibraryLoaded(c.lib));
    }
}

TEST(T7zPlugin, CreateObjectPassesSFalseThatRequireOkRefuses) {
    T7zArchive archive(FAKE_FORMAT_PATH);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_NO_THROW(archive.CreateObject(ZipHandlerClassId, IInArchive::IID, &object));
    EXPECT_EQ(object, nullptr);
    EXPECT_THROW(RequireOk(win::S_FALSE), fw::Exception);
}

TEST(T7zPlugin, NegativeHandlerPropertyResultRaisesTheSystemText) {
    T7zArchive archive(FAKE_FORMAT_PATH);
    EXPECT_EQ(CreationError([&] { archive.Name(); }), "The parameter is incorrect");
}

TEST(T7zArchive, ReadsHandlerPropertiesWithoutRegardToClassId) {
    {
        T7zArchive archive(EmbeddedLibraryPath());
        EXPECT_EQ(archive.ClassID(), TGUID());
        const std::string name = archive.Name();
        const std::string extension = archive.Extension();
        const TGUID handler = archive.GetLibGUIDProperty(NArchive::kClassID);
        EXPECT_FALSE(name.empty());
        EXPECT_FALSE(extension.empty());
        EXPECT_EQ(handler.D1, 0x23170F69u);

        archive.SetClassID(ZipHandlerClassId);
        EXPECT_EQ(archive.ClassID(), ZipHandlerClassId);
        EXPECT_EQ(archive.Name(), name);
        EXPECT_EQ(archive.Extension(), extension);
        EXPECT_EQ(archive.GetLibGUIDProperty(NArchive::kClassID), handler);
        EXPECT_TRUE(IsLibraryLoaded(EmbeddedLibraryPath()));
    }
    EXPECT_FALSE(IsLibraryLoaded(EmbeddedLibraryPath()));
}

// The program writes the library as "7z.dll" into its current folder and the
// reader loads that very file.
TEST(CreateInArchive, LoadsTheLibraryFileInTheCurrentFolderByItsFullPath) {
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path written = std::filesystem::path(EmbeddedLibraryPath());
    std::filesystem::current_path(written.parent_path());
    EXPECT_EQ(SevenZipLibraryPath(), written.string());
    EXPECT_EQ(CreateInArchive(ZipHandlerClassId)->GetClassId(), ZipHandlerClassId);

    std::filesystem::current_path(written.parent_path().parent_path());
    const std::string elsewhere = (written.parent_path().parent_path() / "7z.dll").string();
    EXPECT_EQ(CreationError([] { CreateInArchive(ZipHandlerClassId); }),
              "Error loading library " + elsewhere);
    std::filesystem::current_path(previous);
    EXPECT_FALSE(IsLibraryLoaded(EmbeddedLibraryPath()));
}

} // namespace
} // namespace archive
