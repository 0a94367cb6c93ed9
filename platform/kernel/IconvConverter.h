#pragma once
// One iconv conversion descriptor, opened once and reused: iconv_open loads and
// initialises the charset modules, far too slow to do per string.

#include <iconv.h>
#include <string>
#include <string_view>

namespace win {

class IconvConverter {
public:
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts all of input; each byte that cannot be converted (or, when the
    // converter could not be opened, each non-ASCII byte) becomes replacement,
    // and an incomplete sequence at the end becomes one replacement.
    std::string Convert(std::string_view input, std::string_view replacement);

private:
    std::string ReplaceNonAscii(std::string_view input, std::string_view replacement) const;

    iconv_t descriptor_;
};

} // namespace win
