#include "platform/kernel/IconvConverter.h"

#include <cerrno>

namespace win {

namespace {
const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);
} // namespace

IconvConverter::IconvConverter(const char* to, const char* from)
    : descriptor_(iconv_open(to, from)) {}

IconvConverter::~IconvConverter() {
    if (descriptor_ != kNoDescriptor) {
        iconv_close(descriptor_);
    }
}

std::string IconvConverter::Convert(std::string_view input, std::string_view replacement) {
    if (descriptor_ == kNoDescriptor) {
        return ReplaceNonAscii(input, replacement);
    }
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    std::string out(input.size() + input.size() / 2 + 16, '\0');
    std::size_t written = 0;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* outAt = out.data() + written;
        std::size_t outLeft = out.size() - written;
        std::size_t result = iconv(descriptor_, &in, &inLeft, &outAt, &outLeft);
        int error = errno;
        written = out.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (error == E2BIG || out.size() - written < replacement.size()) {
            out.resize(out.size() * 2);
            continue;
        }
        out.replace(written, replacement.size(), replacement);
        written += replacement.size();
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        if (error == EILSEQ) {
            ++in;
            --inLeft;
        } else {
            inLeft = 0; // EINVAL: the input ends inside a sequence
        }
    }
    out.resize(written);
    return out;
}

std::string IconvConverter::ReplaceNonAscii(std::string_view input,
                                            std::string_view replacement) const {
    std::string out;
    out.reserve(input.size());
    for (char ch : input) {
        if (static_cast<unsigned char>(ch) < 0x80) {
            out += ch;
        } else {
            out += replacement;
        }
    }
    return out;
}

} // namespace win
