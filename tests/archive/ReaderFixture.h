#pragma once
// A reader over the embedded library, a scratch folder, and the means to open
// archives built for the test.

#include "archive/Unit_sevenzip.h"
#include "framework/Exception.h"
#include "tests/archive/ArchiveTestSupport.h"
#include "tests/archive/TestZip.h"

#include <functional>
#include <gtest/gtest.h>

namespace archive::test {

class ReaderFixture : public testing::Test {
protected:
    ReaderFixture() : FReader(CreateInArchive(ZipHandlerClassId, EmbeddedLibraryPath())) {}

    // Nothing of the library holds on to the reader after the test's operations,
    // and dropping the reader takes the library with its last object.
    void TearDown() override {
        EXPECT_EQ(FReader->AddRef(), 2u);
        FReader->Release();
        FReader.Reset();
        EXPECT_FALSE(IsLibraryLoaded(EmbeddedLibraryPath()));
    }

    std::string WriteZip(const std::vector<TZipEntry>& entries, const std::string& name = "t.zip") {
        const std::string path = FTemp / name;
        WriteFile(path, BuildZip(entries));
        return path;
    }
    void OpenZip(const std::vector<TZipEntry>& entries) { FReader->OpenFile(WriteZip(entries)); }

    // The message of the exception action raises, or "(no error)".
    static std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const fw::Exception& e) {
            return e.Message();
        }
        return "(no error)";
    }

    TTempFolder FTemp;
    TComPtr<I7zInArchive> FReader;
};

} // namespace archive::test
