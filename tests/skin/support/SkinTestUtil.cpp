#include "tests/skin/support/SkinTestUtil.h"

#include "skin/WinConvert.h"
#include "tests/skin/support/LzhReference.h"

#include <algorithm>

namespace skin::test {

Bytes ToBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

void Fill(fw::TMemoryStream& stream, const Bytes& bytes) {
    stream.Clear();
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
}

Bytes Contents(fw::TMemoryStream& stream) {
    const auto* data = static_cast<const std::uint8_t*>(stream.Memory());
    return Bytes(data, data + stream.Size());
}

Bytes Pack(const Bytes& input) {
    fw::TMemoryStream source, dest;
    Fill(source, input);
    Compress(source, dest);
    return Contents(dest);
}

Bytes Unpack(const Bytes& block) {
    fw::TMemoryStream source, dest;
    Fill(source, block);
    Decompress(source, dest);
    return Contents(dest);
}

namespace {

TReadProc ReadFrom(const Bytes& input, std::size_t& at) {
    return [&input, &at](void* DTA, std::uint16_t, std::uint16_t& Bytes_Got) {
        Bytes_Got = 0;
        if (at < input.size()) {
            *static_cast<std::uint8_t*>(DTA) = input[at++];
            Bytes_Got = 1;
        }
    };
}

TWriteProc AppendTo(Bytes& output) {
    return [&output](const void* DTA, std::uint16_t NBytes, std::uint16_t& Bytes_Put) {
        const auto* bytes = static_cast<const std::uint8_t*>(DTA);
        output.insert(output.end(), bytes, bytes + NBytes);
        Bytes_Put = NBytes;
    };
}

} // namespace

Bytes ReferencePack(const Bytes& input) {
    std::size_t at = 0;
    Bytes output;
    std::int32_t written = 0;
    reference::LZHPack(written, ReadFrom(input, at), AppendTo(output));
    return output;
}

Bytes ReferenceUnpack(const Bytes& stream, std::int32_t textSize) {
    std::size_t at = 0;
    Bytes output;
    reference::LZHUnpack(textSize, ReadFrom(stream, at), AppendTo(output));
    return output;
}

Bytes Block(std::int32_t length, const Bytes& stream) {
    const auto value = static_cast<std::uint32_t>(length);
    Bytes block(4 + stream.size());
    for (int i = 0; i < 4; ++i)
        block[i] = static_cast<std::uint8_t>(value >> (8 * i));
    std::copy(stream.begin(), stream.end(), block.begin() + 4);
    return block;
}

void AppendInt32(Bytes& bytes, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
}

Bytes SkinContainer(std::int32_t version, int padding, const std::vector<SkinEntry>& entries,
                    const std::vector<std::int32_t>& sizes) {
    std::string directory;
    for (const SkinEntry& entry : entries)
        directory += entry.name + "\r\n";
    Bytes bytes;
    AppendInt32(bytes, version);
    AppendInt32(bytes, static_cast<std::int32_t>(directory.size()));
    AppendInt32(bytes, 0);
    AppendInt32(bytes, 0);
    bytes.insert(bytes.end(), static_cast<std::size_t>(padding), 0xEE);
    bytes.insert(bytes.end(), directory.begin(), directory.end());
    for (std::size_t i = 0; i < entries.size(); ++i)
        AppendInt32(bytes, i < sizes.size() ? sizes[i]
                                            : static_cast<std::int32_t>(entries[i].data.size()));
    for (const SkinEntry& entry : entries)
        bytes.insert(bytes.end(), entry.data.begin(), entry.data.end());
    return bytes;
}

} // namespace skin::test
