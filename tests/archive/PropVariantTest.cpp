#include "archive/PropVariant.h"

#include "framework/Exception.h"
#include "tests/archive/ArchiveTestSupport.h"

#include <gtest/gtest.h>

namespace archive {
namespace {

PROPVARIANT Value(VARTYPE type, std::uint64_t bits) {
    PROPVARIANT v;
    v.vt = type;
    v.uhVal = bits;
    return v;
}

TEST(TPropVariant, ConvertsByTheVariantRules) {
    const T7zPlugin library(test::EmbeddedLibraryPath());
    struct Case {
        PROPVARIANT value;
        std::string text;
        std::string integer; // AsInteger, or the error it raises
        bool boolean;
    };
    const Case cases[] = {
        {Value(VT_EMPTY, 0), "", "0", false},
        {Value(VT_BOOL, 0xFFFF), "True", "-1", true},
        {Value(VT_BOOL, 0), "False", "0", false},
        {Value(VT_UI4, 4000000000u), "4000000000", "Variant overflow", true},
        {Value(VT_UI8, 2147483647u), "2147483647", "2147483647", true},
        {Value(VT_UI8, 2147483648u), "2147483648", "Variant overflow", true},
        {Value(VT_UI8, ~0ull), "18446744073709551615", "Variant overflow", true},
        {Value(VT_I4, 0xFFFFFFFFu), "-1", "-1", true},
        {Value(VT_FILETIME, 1), "Invalid variant type conversion",
         "Invalid variant type conversion", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TPropVariant v(library);
        *v.Out() = c.value;
        auto attempt = [](auto read) {
            try {
                return read();
            } catch (const fw::EConvertError& e) {
                return e.Message();
            }
        };
        EXPECT_EQ(attempt([&] { return v.AsString(); }), c.text);
        EXPECT_EQ(attempt([&] { return std::to_string(v.AsInteger()); }), c.integer);
        if (c.value.vt != VT_FILETIME) {
            EXPECT_EQ(v.AsBoolean(), c.boolean);
        }
    }
}

TEST(TPropVariant, ReadsAndFreesStringsWithTheLibrarysAllocator) {
    const T7zPlugin library(test::EmbeddedLibraryPath());
    TPropVariant v(library);
    PROPVARIANT* slot = v.Out();
    slot->vt = VT_BSTR;
    slot->bstrVal = library.AllocString(L"\u9891\u9053/a");
    EXPECT_EQ(v.AsString(), "频道/a");
    EXPECT_EQ(v.AsBytes().size(), 4 * sizeof(wchar_t));
    *v.Out() = Value(VT_UI4, 7); // releases the string first
    EXPECT_EQ(v.AsInteger(), 7);
}

} // namespace
} // namespace archive
