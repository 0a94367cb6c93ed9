// Any bytes given as an archive: opening and extracting every item into memory
// ends in success or a clear error, never a crash.

#include "archive/Unit_sevenzip.h"
#include "framework/Exception.h"
#include "framework/MemoryStream.h"

#include <cstdint>

namespace {

// Counts what the library writes and drops it; refuses past a bound so that a
// small input claiming a huge item cannot exhaust memory.
class TBoundedSink : public fw::TStream {
public:
    std::int64_t Read(void*, std::int64_t) override { return 0; }
    std::int64_t Write(const void*, std::int64_t count) override {
        if (FSize + count > kLimit)
            return 0;
        FSize += count;
        return count;
    }
    std::int64_t Seek(std::int64_t offset, fw::TSeekOrigin origin) override {
        return origin == fw::TSeekOrigin::soBeginning && offset == 0 ? 0 : FSize;
    }

private:
    static constexpr std::int64_t kLimit = 64 << 20;
    std::int64_t FSize = 0;
};

archive::I7zInArchive& Reader() {
    static const archive::TComPtr<archive::I7zInArchive> reader =
        archive::CreateInArchive(archive::ZipHandlerClassId, archive::SystemSevenZipLibrary);
    return *reader;
}

archive::HRESULT SupplySink(void*, std::uint32_t, archive::ISequentialOutStream** out) {
    *out = archive::TComPtr<archive::ISequentialOutStream>(
               new archive::T7zStream(std::make_unique<TBoundedSink>()))
               .Detach();
    return win::S_OK;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    archive::I7zInArchive& reader = Reader();
    fw::TMemoryStream input;
    input.WriteBuffer(data, static_cast<std::int64_t>(size));
    input.SetPosition(0);
    try {
        const archive::TComPtr<archive::IInStream> stream(new archive::T7zStream(input));
        reader.SetPassword("password");
        reader.OpenStream(stream.Get());
        const auto count = static_cast<std::int32_t>(reader.GetNumberOfItems());
        for (std::int32_t i = 0; i < count; ++i) {
            reader.GetItemPath(i);
            reader.GetItemIsFolder(i);
        }
        reader.ExtractAll(false, nullptr, SupplySink);
    } catch (const fw::Exception&) {
    }
    reader.Close();
    return 0;
}
