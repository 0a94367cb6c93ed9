#pragma once
// Header values an HTML page declares for itself: <meta http-equiv="NAME"
// content="VALUE"> elements, and <meta charset="X"> as a Content-Type.

#include "http/NetHeaderList.h"

#include <string_view>

// Appends one header line per declaration found in html, in document order.
void ParseMetaHTTPEquiv(std::string_view html, TNetHeaderList& into);
