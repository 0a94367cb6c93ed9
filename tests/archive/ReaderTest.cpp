#include "framework/MemoryStream.h"
#include "tests/archive/ReaderFixture.h"

#include <clocale>

namespace archive::test {
namespace {

using Reader = ReaderFixture;

TEST_F(Reader, ListsPathsSizesAndFolders) {
    OpenZip({{"a/", "", false, true}, {"a/b/c.txt", "hello"}, {"d/", "", false, true}});
    ASSERT_EQ(FReader->GetNumberOfItems(), 3u);
    struct Row {
        std::string path;
        std::int32_t size;
        bool folder;
    };
    const Row expected[] = {{"a", 0, true}, {"a/b/c.txt", 5, false}, {"d", 0, true}};
    for (std::int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(FReader->GetItemPath(i), expected[i].path);
        EXPECT_EQ(FReader->GetItemSize(i), expected[i].size);
        EXPECT_EQ(FReader->GetItemIsFolder(i), expected[i].folder);
    }
    // The zip handler keeps no name apart from the path.
    EXPECT_EQ(FReader->GetItemName(1), "");
    // The library itself would crash on an index past its items.
    const std::string outOfRange = "Item index 3 is out of range (the archive has 3 items)";
    EXPECT_EQ(ErrorOf([&] { FReader->GetItemIsFolder(3); }), outOfRange);
    EXPECT_EQ(ErrorOf([&] { FReader->GetItemPath(-1); }),
              "Item index -1 is out of range (the archive has 3 items)");
    const std::uint32_t items[] = {0, 3};
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractItems(items, 2, true, nullptr, nullptr); }),
              outOfRange);
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractItems(nullptr, 2, true, nullptr, nullptr); }),
              "Invalid pointer");
    EXPECT_EQ(ErrorOf([&] { FReader->OpenStream(nullptr); }), "Invalid pointer");
}

TEST_F(Reader, DecodesNamesStoredWithoutTheUtf8FlagWhateverTheProcessLocale) {
    const std::vector<TZipEntry> entries = {
        {"\xC6\xB5\xB5\xC0/\xD6\xD0\xD1\xEB\xD2\xBB\xCC\xA8.txt", "gbk"},
        {"utf8\xE5\x90\x8D.txt", "flagged", true},
        {"caf\xC3\xA9.txt", "unflagged utf-8"},
        {"\x80\x61\x81", "cp437"},
    };
    const std::string expected[] = {"频道/中央一台.txt", "utf8名.txt", "café.txt", "Çaü"};
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : {"C", "C.UTF-8"}) {
        SCOPED_TRACE(locale);
        std::setlocale(LC_ALL, locale);
        OpenZip(entries);
        for (std::int32_t i = 0; i < 4; ++i)
            EXPECT_EQ(FReader->GetItemPath(i), expected[i]);
        const std::string out = FTemp / locale;
        FReader->ExtractTo(out);
        EXPECT_EQ(TreeOf(out), (std::vector<std::string>{"café.txt", "utf8名.txt", "Çaü", "频道/",
                                                         "频道/中央一台.txt"}));
        FReader->Close();
    }
    std::setlocale(LC_ALL, previous.c_str());
}

TEST_F(Reader, OpenErrorsNameTheProblem) {
    WriteFile(FTemp / "text.zip", "this is not an archive at all\n");
    const std::string missing = FTemp / "missing.zip";
    EXPECT_EQ(ErrorOf([&] { FReader->OpenFile(missing); }),
              "Cannot open file \"" + missing + "\". The system cannot find the file specified");
    EXPECT_EQ(ErrorOf([&] { FReader->OpenFile(FTemp / "text.zip"); }), "Incorrect function");
    EXPECT_EQ(ErrorOf([&] { FReader->GetNumberOfItems(); }), "(no error)");
    FReader->Close();
    EXPECT_EQ(ErrorOf([&] { FReader->GetNumberOfItems(); }), "No archive is open");
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractTo(FTemp.Path()); }), "No archive is open");
}

TEST_F(Reader, ExtractsOneItemIntoACallersStream) {
    OpenZip({{"one.txt", "first"}, {"two.txt", "second"}});
    fw::TMemoryStream memory;
    FReader->ExtractItem(1, memory, false);
    EXPECT_EQ(std::string(static_cast<const char*>(memory.Memory()), memory.Size()), "second");

    fw::TMemoryStream untouched;
    FReader->ExtractItem(0, untouched, true);
    EXPECT_EQ(untouched.Size(), 0);
}

TEST_F(Reader, ExtractAllAsksTheCallbackForEachItemOnlyWhenExtracting) {
    OpenZip({{"a.txt", "A"}, {"dir/", "", false, true}, {"b.txt", "BB"}});
    std::vector<std::uint32_t> asked;
    std::vector<std::unique_ptr<fw::TMemoryStream>> outputs;
    int sender = 0;
    auto callback = [&](void* s, std::uint32_t index, ISequentialOutStream** out) {
        EXPECT_EQ(s, &sender);
        asked.push_back(index);
        outputs.push_back(std::make_unique<fw::TMemoryStream>());
        *out = TComPtr<ISequentialOutStream>(new T7zStream(*outputs.back())).Detach();
        return win::S_OK;
    };
    FReader->ExtractAll(true, &sender, callback);
    EXPECT_TRUE(asked.empty());

    FReader->ExtractAll(false, &sender, callback);
    EXPECT_EQ(asked, (std::vector<std::uint32_t>{0, 1, 2}));
    EXPECT_EQ(outputs[2]->Size(), 2);

    asked.clear();
    const std::uint32_t items[] = {2};
    FReader->ExtractItems(items, 1, false, &sender, callback);
    EXPECT_EQ(asked, (std::vector<std::uint32_t>{2}));
}

TEST_F(Reader, CallbackFailuresReachTheCaller) {
    OpenZip({{"a.txt", "A"}, {"b.txt", "B"}});
    auto refuse = [](void*, std::uint32_t, ISequentialOutStream**) { return win::E_ABORT; };
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractAll(false, nullptr, refuse); }), "Operation aborted");
    auto raise = [](void*, std::uint32_t, ISequentialOutStream**) -> HRESULT {
        throw fw::Exception("no room for a.txt");
    };
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractAll(false, nullptr, raise); }), "no room for a.txt");
    // The reader stays usable.
    fw::TMemoryStream memory;
    FReader->ExtractItem(1, memory, false);
    EXPECT_EQ(memory.Size(), 1);
}

TEST_F(Reader, ReportsProgressAsTotalThenGrowingCompletedAmounts) {
    OpenZip({{"a.txt", std::string(5000, 'a')}, {"b.txt", std::string(3000, 'b')}});
    std::vector<std::pair<bool, std::int64_t>> events;
    FReader->SetProgressCallback(nullptr, [&](void*, bool total, std::int64_t value) {
        events.emplace_back(total, value);
        return win::S_OK;
    });
    FReader->ExtractTo(FTemp / "out");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), std::make_pair(true, std::int64_t(8000)));
    std::int64_t last = 0;
    for (std::size_t i = 1; i < events.size(); ++i) {
        EXPECT_FALSE(events[i].first);
        EXPECT_GE(events[i].second, last);
        last = events[i].second;
    }
    EXPECT_EQ(last, 8000);
}

TEST_F(Reader, ReadsTheArchiveFromACallersStream) {
    fw::TMemoryStream memory;
    const std::string zip = BuildZip({{"in-memory.txt", "data"}});
    memory.WriteBuffer(zip.data(), static_cast<std::int64_t>(zip.size()));
    memory.SetPosition(0); // the library takes the archive to start where the stream stands
    {
        TComPtr<IInStream> stream(new T7zStream(memory));
        FReader->OpenStream(stream.Get());
    }
    EXPECT_EQ(FReader->GetItemPath(0), "in-memory.txt");
    EXPECT_EQ(FReader->GetClassId(), ZipHandlerClassId);
    EXPECT_TRUE(FReader->InArchive());
}

} // namespace
} // namespace archive::test
