#pragma once
// The two checks that turn the library's 32-bit result codes into exceptions
// carrying the system message text for the code.

#include "archive/SevenZipTypes.h"

#include <string>

namespace archive {

// The system message text for code; a code the system has no text for gets a
// text naming the code, so an error is never reported with an empty message.
std::string ResultCodeMessage(HRESULT code);

// For the archive calls: anything but S_OK, S_FALSE included, raises.
void RequireOk(HRESULT code);
// For object creation and handler properties: only negative codes raise.
void RequireSucceeded(HRESULT code);

} // namespace archive
