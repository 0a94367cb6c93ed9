#include "framework/Format.h"

#include "framework/Exception.h"
#include "framework/Utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace fw {

namespace {

// One conversion as written in the format: "%" [index ":"] ["-"] [width] ["." prec] type.
struct Conversion {
    bool leftAlign = false;
    std::optional<int> width;
    std::optional<int> precision;
    char type = 0;
};

// Upper limit on widths and precisions, so a hostile format cannot ask for gigabytes.
constexpr int MaxFieldSize = 1 << 16;

class Formatter {
public:
    Formatter(std::string_view format, std::span<const FormatArg> args)
        : FFormat(format), FArgs(args) {}

    std::string Run() {
        while (FPos < FFormat.size()) {
            const char c = FFormat[FPos++];
            if (c != '%')
                FOut += c;
            else if (Peek() == '%')
                FOut += FFormat[FPos++];
            else
                Convert(ParseConversion());
        }
        return std::move(FOut);
    }

private:
    char Peek() const { return FPos < FFormat.size() ? FFormat[FPos] : '\0'; }

    [[noreturn]] void Invalid() const {
        RaiseFmt<EConvertError>("Format '%s' invalid or incompatible with argument", FFormat);
    }

    const FormatArg& NextArg() {
        if (FNextArg >= FArgs.size())
            RaiseFmt<EConvertError>("No argument for format '%s'", FFormat);
        return FArgs[FNextArg++];
    }

    // Digits, or "*" taking the value from the next (integer) argument.
    std::optional<int> ParseNumber() {
        if (Peek() == '*') {
            ++FPos;
            const FormatArg& arg = NextArg();
            if (!arg.IsInteger())
                Invalid();
            const std::int64_t v = arg.AsSigned();
            return static_cast<int>(v < 0 ? 0 : v > MaxFieldSize ? MaxFieldSize : v);
        }
        if (Peek() < '0' || Peek() > '9')
            return std::nullopt;
        std::int64_t v = 0;
        while (Peek() >= '0' && Peek() <= '9') {
            v = v * 10 + (FFormat[FPos++] - '0');
            if (v > MaxFieldSize)
                Invalid();
        }
        return static_cast<int>(v);
    }

    Conversion ParseConversion() {
        Conversion conv;
        std::optional<int> number = ParseNumber();
        if (Peek() == ':') {
            ++FPos;
            FNextArg = static_cast<std::size_t>(number.value_or(0));
            number = ParseNumber();
        }
        if (!number && Peek() == '-') {
            ++FPos;
            conv.leftAlign = true;
            number = ParseNumber();
        }
        conv.width = number;
        if (Peek() == '.') {
            ++FPos;
            conv.precision = ParseNumber().value_or(0);
        }
        if (FPos >= FFormat.size())
            Invalid();
        conv.type = static_cast<char>(FFormat[FPos++] | 0x20);
        return conv;
    }

    void Convert(const Conversion& conv) {
        const FormatArg& arg = NextArg();
        std::string text;
        switch (conv.type) {
        case 'd':
            text = FormatDecimal(arg, conv);
            break;
        case 'u':
            text = FormatUnsigned(arg, conv, 10);
            break;
        case 'x':
            text = FormatUnsigned(arg, conv, 16);
            break;
        case 'e':
        case 'f':
        case 'g':
        case 'n':
            text = FormatFloat(arg, conv);
            break;
        case 's':
            text = FormatString(arg, conv);
            break;
        case 'p':
            text = FormatPointer(arg);
            break;
        default:
            Invalid();
        }
        Pad(text, conv);
    }

    void Pad(const std::string& text, const Conversion& conv) {
        const std::size_t length = Utf8Length(text);
        const std::size_t width = static_cast<std::size_t>(conv.width.value_or(0));
        const std::size_t fill = width > length ? width - length : 0;
        if (!conv.leftAlign)
            FOut.append(fill, ' ');
        FOut += text;
        if (conv.leftAlign)
            FOut.append(fill, ' ');
    }

    static std::string ZeroExtend(std::string digits, const Conversion& conv) {
        const std::size_t minDigits = static_cast<std::size_t>(conv.precision.value_or(0));
        if (digits.size() < minDigits)
            digits.insert(0, minDigits - digits.size(), '0');
        return digits;
    }

    static std::string Digits(std::uint64_t v, unsigned base) {
        std::string digits;
        do {
            digits.insert(digits.begin(), "0123456789ABCDEF"[v % base]);
            v /= base;
        } while (v != 0);
        return digits;
    }

    std::string FormatDecimal(const FormatArg& arg, const Conversion& conv) const {
        if (!arg.IsInteger())
            Invalid();
        if (arg.ArgKind() == FormatArg::Kind::Unsigned)
            return ZeroExtend(Digits(arg.AsUnsigned(), 10), conv);
        const std::int64_t v = arg.AsSigned();
        const std::uint64_t magnitude = v < 0 ? 0 - static_cast<std::uint64_t>(v) : v;
        std::string text = ZeroExtend(Digits(magnitude, 10), conv);
        if (v < 0)
            text.insert(text.begin(), '-');
        return text;
    }

    std::string FormatUnsigned(const FormatArg& arg, const Conversion& conv, unsigned base) const {
        if (!arg.IsInteger())
            Invalid();
        return ZeroExtend(Digits(arg.AsUnsigned(), base), conv);
    }

    std::string FormatPointer(const FormatArg& arg) const {
        if (arg.ArgKind() != FormatArg::Kind::Pointer)
            Invalid();
        std::string digits = Digits(reinterpret_cast<std::uintptr_t>(arg.AsPointer()), 16);
        digits.insert(0, 2 * sizeof(void*) - digits.size(), '0');
        return digits;
    }

    std::string FormatString(const FormatArg& arg, const Conversion& conv) const {
        if (arg.ArgKind() != FormatArg::Kind::String)
            Invalid();
        const std::string_view s = arg.AsString();
        if (!conv.precision)
            return std::string(s);
        return std::string(Utf8Prefix(s, static_cast<std::size_t>(*conv.precision)));
    }

    std::string FormatFloat(const FormatArg& arg, const Conversion& conv) const {
        if (arg.ArgKind() != FormatArg::Kind::Float)
            Invalid();
        const double v = arg.AsFloat();
        if (std::isnan(v))
            return "NAN";
        if (std::isinf(v))
            return v < 0 ? "-INF" : "INF";
        switch (conv.type) {
        case 'e':
            return FormatExponent(v, conv.precision.value_or(15));
        case 'g':
            return FormatGeneral(v, conv.precision.value_or(15));
        case 'n':
            return GroupThousands(Printf("%.*f", std::min(conv.precision.value_or(2), 18), v));
        default:
            return Printf("%.*f", std::min(conv.precision.value_or(2), 18), v);
        }
    }

    static std::string Printf(const char* format, int precision, double v) {
        const int size = std::snprintf(nullptr, 0, format, precision, v);
        std::string out(static_cast<std::size_t>(size), '\0');
        std::snprintf(out.data(), out.size() + 1, format, precision, v);
        return out;
    }

    // "d.dddE+ddd": precision significant digits, at least three exponent digits.
    static std::string FormatExponent(double v, int precision) {
        precision = std::clamp(precision, 1, 18);
        std::string s = Printf("%.*E", precision - 1, v);
        const std::size_t e = s.find('E');
        std::string exponent = s.substr(e + 2);
        exponent.insert(0, exponent.size() < 3 ? 3 - exponent.size() : 0, '0');
        return s.substr(0, e + 2) + exponent;
    }

    // Shortest form with up to precision significant digits; exponent without "+"
    // or leading zeros ("1E20", "1E-5").
    static std::string FormatGeneral(double v, int precision) {
        precision = std::clamp(precision, 1, 18);
        std::string s = Printf("%.*G", precision, v);
        const std::size_t e = s.find('E');
        if (e == std::string::npos)
            return s;
        const bool negative = s[e + 1] == '-';
        std::size_t digits = e + 2;
        while (digits + 1 < s.size() && s[digits] == '0')
            ++digits;
        return s.substr(0, e + 1) + (negative ? "-" : "") + s.substr(digits);
    }

    static std::string GroupThousands(const std::string& fixed) {
        const std::size_t start = fixed[0] == '-' ? 1 : 0;
        const std::size_t point = std::min(fixed.find('.'), fixed.size());
        std::string out = fixed.substr(0, start);
        for (std::size_t i = start; i < point; ++i) {
            out += fixed[i];
            const std::size_t left = point - i - 1;
            if (left > 0 && left % 3 == 0)
                out += ',';
        }
        return out + fixed.substr(point);
    }

    std::string_view FFormat;
    std::span<const FormatArg> FArgs;
    std::size_t FPos = 0;
    std::size_t FNextArg = 0;
    std::string FOut;
};

} // namespace

std::string FormatList(std::string_view format, std::span<const FormatArg> args) {
    return Formatter(format, args).Run();
}

} // namespace fw
