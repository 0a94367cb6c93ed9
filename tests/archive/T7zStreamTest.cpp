#include "archive/T7zStream.h"

#include "archive/ComPtr.h"
#include "framework/FileStream.h"
#include "framework/MemoryStream.h"

#include <gtest/gtest.h>

namespace archive {
namespace {

TEST(T7zStream, ReadsSeeksAndWritesTheHostStream) {
    fw::TMemoryStream memory;
    memory.WriteBuffer("0123456789", 10);
    TComPtr<T7zStream> adapter(new T7zStream(memory));
    EXPECT_EQ(adapter->Ownership(), TStreamOwnership::soReference);

    std::uint64_t position = 99;
    EXPECT_EQ(adapter->Seek(-4, 2, &position), win::S_OK);
    EXPECT_EQ(position, 6u);
    char buffer[8] = {};
    std::uint32_t done = 0;
    EXPECT_EQ(adapter->Read(buffer, sizeof buffer, &done), win::S_OK);
    EXPECT_EQ(std::string(buffer, done), "6789");
    EXPECT_EQ(adapter->Read(buffer, sizeof buffer, &done), win::S_OK);
    EXPECT_EQ(done, 0u);

    EXPECT_EQ(adapter->Seek(2, 0, nullptr), win::S_OK);
    EXPECT_EQ(adapter->Write("ab", 2, &done), win::S_OK);
    EXPECT_EQ(done, 2u);
    EXPECT_EQ(adapter->Seek(-1, 1, &position), win::S_OK);
    EXPECT_EQ(position, 3u);
    EXPECT_EQ(adapter->SetSize(5), win::S_OK);
    std::uint64_t size = 0;
    EXPECT_EQ(adapter->GetSize(&size), win::S_OK);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(adapter->Flush(), win::S_OK);

    // A seek before the start must not leave the library believing it moved.
    EXPECT_LT(adapter->Seek(-1, 0, &position), 0);
    EXPECT_LT(adapter->Seek(0, 7, &position), 0);
    EXPECT_EQ(std::string(static_cast<const char*>(memory.Memory()), 5), "01ab4");
}

TEST(T7zStream, AnswersQueriesForEveryStreamInterfaceWithOneIdentity) {
    fw::TMemoryStream memory;
    TComPtr<T7zStream> adapter(new T7zStream(memory));
    const TGUID ids[] = {IID_IUnknown,        ISequentialInStream::IID,  IInStream::IID,
                         IStreamGetSize::IID, ISequentialOutStream::IID, IOutStream::IID,
                         IOutStreamFlush::IID};
    for (const TGUID& id : ids) {
        void* found = nullptr;
        ASSERT_EQ(adapter->QueryInterface(id, &found), win::S_OK);
        static_cast<IUnknown*>(found)->Release();
    }
    void* found = reinterpret_cast<void*>(1);
    EXPECT_EQ(adapter->QueryInterface(IInArchive::IID, &found), win::E_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
    IUnknown* first = nullptr;
    IUnknown* second = nullptr;
    adapter->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&first));
    static_cast<IOutStream*>(adapter.Get())
        ->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&second));
    EXPECT_EQ(first, second);
    first->Release();
    second->Release();
    EXPECT_EQ(adapter->RefCount(), 1u);
}

TEST(T7zStream, ReportsAFullDiskAsAFailureWithItsSystemError) {
    TComPtr<T7zStream> adapter(
        new T7zStream(std::make_unique<fw::TFileStream>("/dev/full", fw::fmOpenWrite)));
    EXPECT_EQ(adapter->Ownership(), TStreamOwnership::soOwned);
    std::uint32_t done = 99;
    EXPECT_LT(adapter->Write("data", 4, &done), 0);
    EXPECT_EQ(done, 0u);
    EXPECT_NE(adapter->WriteError(), 0u);
}

} // namespace
} // namespace archive
