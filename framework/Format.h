#pragma once
// The framework's Format: "%" [index ":"] ["-"] [width] ["." precision] type, with
// index, width and precision given as digits or "*" (taken from the arguments).
// Types: d (decimal), u (unsigned), x (hexadecimal, upper case), e, f, g, n
// (floating point; n with thousands separators), s (string), p (pointer); "%%" is
// a percent sign. Width and precision of strings count characters, not bytes.
// A mismatch raises EConvertError, as the framework does.

#include "framework/DateTime.h"
#include "framework/FormatArg.h"
#include "framework/FormatSettings.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace fw {

std::string FormatList(std::string_view format, std::span<const FormatArg> args);

template <class... Args> std::string Format(std::string_view format, const Args&... args) {
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return FormatList(format, list);
}

// Date-time patterns: yy yyyy, m mm mmm mmmm (month; minutes right after an hour
// token), d dd ddd dddd, h hh, n nn, s ss, z zzz, am/pm a/p ampm, "/" and ":" (the
// date and time separators), c ddddd dddddd t tt, and text quoted with ' or ".
std::string FormatDateTime(std::string_view format, TDateTime value);
std::string FormatDateTime(std::string_view format, TDateTime value,
                           const TFormatSettings& settings);

} // namespace fw
