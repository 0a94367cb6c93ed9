#include "xmltv/DocumentBytes.h"

#include "xmltv/XmltvError.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <zlib.h>

namespace xmltv {

namespace {

constexpr std::string_view kGzipMagic = "\x1F\x8B";
constexpr std::string_view kUtf8Marker = "\xEF\xBB\xBF";
constexpr std::size_t kInputBlock = 64 * 1024;

bool IsXmlSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

} // namespace

bool LooksLikeXmltv(std::string_view head) {
    if (head.substr(0, kGzipMagic.size()) == kGzipMagic) {
        return true;
    }
    if (head.substr(0, kUtf8Marker.size()) == kUtf8Marker) {
        head.remove_prefix(kUtf8Marker.size());
    }
    while (!head.empty() && IsXmlSpace(head.front())) {
        head.remove_prefix(1);
    }
    return !head.empty() && head.front() == '<';
}

struct DocumentBytes::Inflater {
    Inflater() {
        // 16 + MAX_WBITS: gzip framing only.
        if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
            throw EXmltvError("cannot start gzip decompression");
        }
    }
    ~Inflater() { inflateEnd(&stream); }

    z_stream stream{};
    bool memberEnded = false;
};

DocumentBytes::DocumentBytes(fw::TStream& stream)
    : FStream(stream), FInput(std::make_unique<char[]>(kInputBlock)) {
    const std::string_view head = Input();
    if (head.substr(0, kGzipMagic.size()) == kGzipMagic) {
        FInflater = std::make_unique<Inflater>();
    }
}

DocumentBytes::~DocumentBytes() = default;

std::string_view DocumentBytes::Input() {
    if (FInputAt == FInputEnd && !FInputEnded) {
        const std::int64_t got = FStream.Read(FInput.get(), kInputBlock);
        FInputAt = 0;
        FInputEnd = got > 0 ? static_cast<std::size_t>(got) : 0;
        FInputEnded = got <= 0;
    }
    return {FInput.get() + FInputAt, FInputEnd - FInputAt};
}

std::size_t DocumentBytes::Read(char* buffer, std::size_t size) {
    if (FInflater) {
        return ReadCompressed(buffer, size);
    }
    const std::string_view input = Input();
    const std::size_t count = std::min(size, input.size());
    std::memcpy(buffer, input.data(), count);
    Consume(count);
    return count;
}

// A gzip stream may hold several members one after another; each ends with
// Z_STREAM_END and the next starts afresh.
std::size_t DocumentBytes::ReadCompressed(char* buffer, std::size_t size) {
    Inflater& in = *FInflater;
    in.stream.next_out = reinterpret_cast<Bytef*>(buffer);
    in.stream.avail_out = static_cast<uInt>(std::min<std::size_t>(size, UINT_MAX));
    while (in.stream.avail_out > 0) {
        const std::string_view input = Input();
        if (input.empty()) {
            if (!in.memberEnded) {
                throw EXmltvError("the gzip data is cut short");
            }
            break;
        }
        if (in.memberEnded) {
            inflateReset(&in.stream);
            in.memberEnded = false;
        }
        in.stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
        in.stream.avail_in = static_cast<uInt>(input.size());
        const int result = inflate(&in.stream, Z_NO_FLUSH);
        Consume(input.size() - in.stream.avail_in);
        if (result == Z_STREAM_END) {
            in.memberEnded = true;
        } else if (result != Z_OK && result != Z_BUF_ERROR) {
            throw EXmltvError(std::string("the gzip data is damaged: ") +
                              (in.stream.msg != nullptr ? in.stream.msg : "inflate failed"));
        }
    }
    return size - in.stream.avail_out;
}

} // namespace xmltv
