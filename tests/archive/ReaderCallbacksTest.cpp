#include "archive/T7zInArchive.h"
#include "tests/archive/ArchiveTestSupport.h"

#include <gtest/gtest.h>

namespace archive {
namespace {

// The answers the reader gives the library outside any operation of its own.
TEST(ReaderCallbacks, AnswerTheLibraryWithoutSideEffects) {
    TComPtr<T7zInArchive> reader(new T7zInArchive(test::EmbeddedLibraryPath()));
    int progressCalls = 0;
    reader->SetProgressCallback(nullptr, [&](void*, bool, std::int64_t) {
        ++progressCalls;
        return win::S_OK;
    });
    const std::uint64_t files = 3;
    EXPECT_EQ(static_cast<IArchiveOpenCallback*>(reader.Get())->SetTotal(&files, nullptr),
              win::S_OK);
    EXPECT_EQ(static_cast<IArchiveOpenCallback*>(reader.Get())->SetCompleted(&files, &files),
              win::S_OK);
    EXPECT_EQ(static_cast<IProgress*>(reader.Get())->SetCompleted(nullptr), win::S_OK);
    EXPECT_EQ(progressCalls, 0);
    EXPECT_EQ(reader->PrepareOperation(NAskMode::kExtract), win::S_OK);

    PROPVARIANT value;
    value.vt = VT_UI4;
    value.ulVal = 123;
    EXPECT_EQ(reader->GetProperty(4, &value), win::S_OK);
    EXPECT_EQ(value.ulVal, 123u);
    IInStream* volume = reinterpret_cast<IInStream*>(&value);
    EXPECT_EQ(reader->GetStream(L"archive.z01", &volume), win::S_OK);
    EXPECT_EQ(volume, nullptr);
    ISequentialOutStream* out = nullptr;
    for (std::int32_t mode : {NAskMode::kExtract, NAskMode::kTest, NAskMode::kSkip}) {
        EXPECT_EQ(reader->GetStream(0, &out, mode), win::S_OK);
        EXPECT_EQ(out, nullptr);
    }
    BSTR password = nullptr;
    EXPECT_EQ(reader->CryptoGetTextPassword(&password), win::S_FALSE);
    EXPECT_EQ(password, nullptr);

    EXPECT_EQ(reader->SetSubArchiveName(L"inner\u9891.zip"), win::S_OK);
    EXPECT_TRUE(reader->SubArchiveMode());
    EXPECT_EQ(reader->SubArchiveName(), "inner频.zip");
    reader->Close();
    EXPECT_FALSE(reader->SubArchiveMode());
    EXPECT_EQ(reader->RefCount(), 1u);
}

} // namespace
} // namespace archive
