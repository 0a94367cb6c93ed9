#include "framework/Exception.h"
#include "framework/FileStream.h"
#include "framework/MemoryStream.h"
#include "framework/ResourceStream.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(TStream& stream) {
    std::string bytes(static_cast<std::size_t>(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return bytes;
}

void WriteText(TStream& stream, const std::string& text) {
    stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "fwcore-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        FFolder = pattern;
    }
    void TearDown() override { fs::remove_all(FFolder); }
    std::string Path(const std::string& name) const { return (FFolder / name).string(); }

    fs::path FFolder;
};

TEST(MemoryStream, SeeksReadsAndWritesAroundTheEnd) {
    TMemoryStream stream;
    WriteText(stream, "hello");
    EXPECT_EQ(stream.Size(), 5);
    EXPECT_EQ(stream.Position(), 5);

    struct Case {
        std::int64_t offset;
        TSeekOrigin origin;
        std::int64_t expected;
    };
    const Case seeks[] = {
        {1, TSeekOrigin::soBeginning, 1},  {2, TSeekOrigin::soCurrent, 3},
        {-1, TSeekOrigin::soEnd, 4},       {10, TSeekOrigin::soEnd, 15},
        {-20, TSeekOrigin::soCurrent, -1}, // before the start: refused, position kept
    };
    for (const Case& c : seeks)
        EXPECT_EQ(stream.Seek(c.offset, c.origin), c.expected);
    EXPECT_EQ(stream.Position(), 15);

    // Past the end reading gives nothing; writing fills the gap with zeros.
    char buffer[4];
    EXPECT_EQ(stream.Read(buffer, 4), 0);
    WriteText(stream, "!");
    EXPECT_EQ(stream.Size(), 16);
    stream.SetPosition(0);
    EXPECT_EQ(ReadAll(stream), std::string("hello") + std::string(10, '\0') + "!");

    // A short read returns what is there; ReadBuffer insists on all of it.
    stream.SetPosition(14);
    EXPECT_EQ(stream.Read(buffer, 4), 2);
    stream.SetPosition(14);
    EXPECT_THROW(stream.ReadBuffer(buffer, 4), EReadError);
}

TEST(MemoryStream, SizeChangesKeepThePositionInside) {
    TMemoryStream stream;
    WriteText(stream, "abcdef");
    stream.SetPosition(2);
    stream.SetSize(4);
    EXPECT_EQ(stream.Position(), 2);
    stream.SetSize(1);
    EXPECT_EQ(stream.Position(), 1);
    stream.SetSize(3);
    stream.SetPosition(0);
    EXPECT_EQ(ReadAll(stream), std::string("a\0\0", 3));
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_EQ(stream.Capacity(), 0);
}

TEST(MemoryStream, RefusesSizesBeyondTheLimitBeforeAllocating) {
    TMemoryStream stream;
    WriteText(stream, "kept");
    for (std::int64_t size :
         {TMemoryStream::MaxSize + 1, std::int64_t(1) << 40, std::int64_t(-1)}) {
        try {
            stream.SetSize(size);
            ADD_FAILURE() << size;
        } catch (const EStreamError& e) {
            EXPECT_EQ(e.Message(), "Out of memory while expanding memory stream");
        }
    }
    stream.SetPosition(TMemoryStream::MaxSize);
    EXPECT_THROW(stream.Write("x", 1), EStreamError);
    EXPECT_EQ(stream.Size(), 4);
    EXPECT_LE(stream.Capacity(), 1024);
    stream.SetPosition(0);
    EXPECT_EQ(ReadAll(stream), "kept");
}

TEST(MemoryStream, GrowsGeometrically) {
    TMemoryStream stream;
    int reallocations = 0;
    std::int64_t capacity = 0;
    for (int i = 0; i < 100000; ++i) {
        stream.Write("0123456789", 10);
        if (stream.Capacity() != capacity) {
            ++reallocations;
            capacity = stream.Capacity();
        }
    }
    EXPECT_EQ(stream.Size(), 1000000);
    EXPECT_LT(reallocations, 40);
}

// Once large, a stream grows where it lies: its bytes are never copied, so the old
// and the new block are never alive together (a stream near its limit would
// otherwise need twice its size). Sizes given up and taken again read as zeros.
TEST(MemoryStream, ALargeStreamGrowsInPlace) {
    TMemoryStream stream;
    std::string block(std::size_t(64) << 10, 'x');
    for (int i = 0; i < 32; ++i) {
        block[0] = char('a' + i % 26);
        stream.Write(block.data(), std::int64_t(block.size()));
    }
    const void* where = stream.Memory();
    for (int i = 32; i < 512; ++i) {
        block[0] = char('a' + i % 26);
        stream.Write(block.data(), std::int64_t(block.size()));
        ASSERT_EQ(stream.Memory(), where) << "moved at block " << i;
    }
    const auto* bytes = static_cast<const char*>(stream.Memory());
    for (int i = 0; i < 512; ++i) {
        ASSERT_EQ(bytes[std::size_t(i) * block.size()], char('a' + i % 26)) << i;
    }
    stream.SetSize(100);
    stream.SetSize(200);
    EXPECT_EQ(std::string(bytes + 99, 3), std::string("x\0\0", 3));
    EXPECT_EQ(bytes[199], '\0');
    stream.SetPosition(std::int64_t(1) << 28);
    stream.Write("!", 1);
    EXPECT_EQ(stream.Size(), (std::int64_t(1) << 28) + 1);
    EXPECT_EQ(stream.Memory(), where);
}

TEST(MemoryStream, CopiesFromAndLoadsOtherStreams) {
    TMemoryStream source;
    WriteText(source, "0123456789");
    source.SetPosition(3);

    TMemoryStream target;
    EXPECT_EQ(target.CopyFrom(source, 4), 4);
    EXPECT_EQ(source.Position(), 7);
    EXPECT_EQ(target.CopyFrom(source, 0), 10); // 0 copies the whole source
    target.SetPosition(0);
    EXPECT_EQ(ReadAll(target), "34560123456789");
    source.SetPosition(8);
    EXPECT_THROW(target.CopyFrom(source, 5), EReadError);

    TMemoryStream loaded;
    loaded.LoadFromStream(source);
    EXPECT_EQ(loaded.Position(), 0);
    EXPECT_EQ(ReadAll(loaded), "0123456789");
    TMemoryStream saved;
    WriteText(saved, ">");
    loaded.SaveToStream(saved);
    saved.SetPosition(0);
    EXPECT_EQ(ReadAll(saved), ">0123456789");
}

TEST_F(TempFolder, FileStreamReadsWritesAndResizes) {
    const std::string name = Path("data.bin");
    {
        TFileStream file(name, fmCreate);
        WriteText(file, "0123456789");
        file.SetSize(4);
        EXPECT_EQ(file.Size(), 4);
        EXPECT_EQ(file.Position(), 4);
        EXPECT_EQ(file.Seek(-1, TSeekOrigin::soBeginning), -1);
        EXPECT_EQ(file.Seek(6, TSeekOrigin::soEnd), 10);
        WriteText(file, "!");
    }
    TFileStream file(name, fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(file.FileName(), name);
    EXPECT_EQ(ReadAll(file), std::string("0123\0\0\0\0\0\0!", 11));
    EXPECT_THROW(file.WriteBuffer("x", 1), EWriteError);

    TMemoryStream memory;
    memory.LoadFromFile(name);
    EXPECT_EQ(memory.Size(), 11);
    memory.SaveToFile(Path("copy.bin"));
    EXPECT_EQ(fs::file_size(Path("copy.bin")), 11u);
}

TEST_F(TempFolder, FileStreamErrorsNameTheFullPathAndTheSystemReason) {
    const fs::path previous = fs::current_path();
    fs::current_path(FFolder);
    fs::create_directory(Path("folder"));
    { TFileStream plain(Path("plain.txt"), fmCreate); }
    const std::string longName(300, 'n');
    struct Case {
        std::string name;
        Word mode;
        std::string message;
    };
    const Case cases[] = {
        {"missing.txt", fmOpenRead,
         "Cannot open file \"" + Path("missing.txt") +
             "\". The system cannot find the file specified"},
        {"./nowhere/../nowhere/x.txt", fmOpenReadWrite,
         "Cannot open file \"" + Path("nowhere/x.txt") +
             "\". The system cannot find the path specified"},
        {"nowhere/x.txt", fmCreate,
         "Cannot create file \"" + Path("nowhere/x.txt") +
             "\". The system cannot find the path specified"},
        {"folder", fmOpenRead, "Cannot open file \"" + Path("folder") + "\". Access is denied"},
        {"folder", fmCreate, "Cannot create file \"" + Path("folder") + "\". Access is denied"},
        {"plain.txt/x", fmCreate,
         "Cannot create file \"" + Path("plain.txt/x") +
             "\". The system cannot find the path specified"},
        {longName, fmOpenRead,
         "Cannot open file \"" + Path(longName) + "\". The filename or extension is too long"},
    };
    for (const Case& c : cases) {
        try {
            TFileStream file(c.name, c.mode);
            ADD_FAILURE() << c.name;
        } catch (const EStreamError& e) {
            EXPECT_EQ(e.Message(), c.message);
            EXPECT_EQ(c.mode == fmCreate, dynamic_cast<const EFCreateError*>(&e) != nullptr);
        }
    }
    fs::current_path(previous);
}

TEST_F(TempFolder, FileStreamCreateErrorForAReadOnlyFolder) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes anywhere";
    fs::create_directory(Path("locked"));
    chmod(Path("locked").c_str(), 0500);
    EXPECT_THROW(TFileStream(Path("locked/x"), fmCreate), EFCreateError);
    chmod(Path("locked").c_str(), 0700);
}

TEST(ResourceStream, ReadsTheEmbeddedBytesAndRefusesWrites) {
    TResourceStream stream(nullptr, "lines", "TEXT");
    EXPECT_EQ(ReadAll(stream), "resource bytes\r\nsecond line\r\n");
    try {
        stream.Write("x", 1);
        ADD_FAILURE();
    } catch (const EStreamError& e) {
        EXPECT_EQ(e.Message(), "Can't write to a read-only resource stream");
    }
    try {
        TResourceStream missing(nullptr, "SkinData", "RCDATA");
        ADD_FAILURE();
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource SkinData not found");
    }
}

} // namespace
} // namespace fw
