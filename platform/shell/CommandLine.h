#pragma once
// Splitting a Windows-style parameter string into arguments, by the rules of
// CommandLineToArgvW: white space separates arguments; double quotes group;
// 2n backslashes before a quote give n backslashes and the quote acts, 2n+1 give
// n backslashes and a literal quote; "" inside quotes is a literal quote;
// other backslashes are literal.

#include <string>
#include <string_view>
#include <vector>

namespace win {

std::vector<std::string> SplitCommandLine(std::string_view parameters);

} // namespace win
