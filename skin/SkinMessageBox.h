#pragma once
// Where the skin engine's few message boxes go. The skin reader is built before
// the framework's GUI message box, and it also runs under command-line tools
// with no display: whoever hosts it routes the text with
// SetSkinMessageBoxHandler. Without a handler the text goes to stderr as one
// line.

#include <functional>
#include <string>

namespace skin {

using TSkinMessageBoxHandler = std::function<void(const std::string& text)>;

// Returns the handler it replaces, so a scope can restore it.
TSkinMessageBoxHandler SetSkinMessageBoxHandler(TSkinMessageBoxHandler handler);
void SkinMessageBox(const std::string& text);

} // namespace skin
