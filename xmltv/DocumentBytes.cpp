#include "xmltv/DocumentBytes.h"

#include "xmltv/XmltvError.h"

#include <climits>
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

// A gzip stream may hold several members one after another; each ends with
// Z_STREAM_END and the next starts afresh.
struct DocumentBytes::Inflater {
    Inflater() {
        // 16 + MAX_WBITS: gzip framing only.
        if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
            throw EXmltvError("cannot start gzip decompression");
        }
    }
    ~Inflater() { inflateEnd(&stream); }

    z_stream stream{};
    std::array<unsigned char, kInputBlock> input{};
    bool inputEnded = false;
    bool memberEnded = false;
};

DocumentBytes::DocumentBytes(fw::TStream& stream) : FStream(stream) {
    const std::int64_t start = FStream.Position();
    char magic[2] = {};
    const std::int64_t got = FStream.Read(magic, sizeof magic);
    FStream.SetPosition(start);
    if (got == 2 && std::string_view(magic, 2) == kGzipMagic) {
        FInflater = std::make_unique<Inflater>();
    }
}

DocumentBytes::~DocumentBytes() = default;

std::size_t DocumentBytes::Read(char* buffer, std::size_t size) {
    if (FInflater) {
        return ReadCompressed(buffer, size);
    }
    const std::int64_t got = FStream.Read(buffer, static_cast<std::int64_t>(size));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

std::size_t DocumentBytes::ReadCompressed(char* buffer, std::size_t size) {
    Inflater& in = *FInflater;
    in.stream.next_out = reinterpret_cast<Bytef*>(buffer);
    in.stream.avail_out = static_cast<uInt>(std::min<std::size_t>(size, UINT_MAX));
    while (in.stream.avail_out > 0) {
        if (in.stream.avail_in == 0 && !in.inputEnded) {
            const std::int64_t got = FStream.Read(in.input.data(), in.input.size());
            in.inputEnded = got <= 0;
            in.stream.next_in = in.input.data();
            in.stream.avail_in = got > 0 ? static_cast<uInt>(got) : 0;
        }
        if (in.stream.avail_in == 0 && in.inputEnded) {
            if (!in.memberEnded) {
                throw EXmltvError("the gzip data is cut short");
            }
            break;
        }
        if (in.memberEnded) {
            // Another member follows the one that ended.
            inflateReset(&in.stream);
            in.memberEnded = false;
        }
        const int result = inflate(&in.stream, Z_NO_FLUSH);
        if (result == Z_STREAM_END) {
            in.memberEnded = true;
        } else if (result != Z_OK) {
            throw EXmltvError(std::string("the gzip data is damaged: ") +
                              (in.stream.msg != nullptr ? in.stream.msg : "inflate failed"));
        }
    }
    return size - in.stream.avail_out;
}

} // namespace xmltv
