#pragma once
// A string list's entries as a vector, so tests compare whole lists at once.

#include "framework/StringList.h"

#include <string>
#include <vector>

namespace catalogue {

using Lines = std::vector<std::string>;

inline Lines ToLines(const fw::TStrings& list) {
    Lines lines;
    for (int i = 0; i < list.Count(); ++i) {
        lines.push_back(list.Strings(i));
    }
    return lines;
}

} // namespace catalogue
