#include "http/NetHeaderList.h"

#include "http/NetText.h"

#include <algorithm>

namespace {

bool IsContinuation(const std::string& line) {
    return !line.empty() && (line.front() == ' ' || line.front() == '\t');
}

// Whether the line starts an entry of that name (case ignored).
bool HasName(const std::string& line, std::string_view name) {
    std::size_t colon = line.find(':');
    return !IsContinuation(line) && colon != std::string::npos &&
           TextIsSame(Trim(std::string_view(line).substr(0, colon)), name);
}

// The fold point of a long line: the last space, tab or comma within the fold
// length, else the first one after it; npos when there is none. It lies after the
// first character of the value (at valueStart), so no line is left with a name
// and no value, which servers refuse.
std::size_t FoldPoint(std::string_view line, std::size_t valueStart) {
    std::size_t limit = TNetHeaderList::FoldLength;
    std::size_t before = line.find_last_of(" \t,", limit);
    if (before != std::string_view::npos && before > valueStart) {
        return before;
    }
    return line.find_first_of(" \t,", std::max(limit, valueStart + 1));
}

} // namespace

std::size_t TNetHeaderList::IndexOfName(std::string_view AName) const {
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        if (HasName(FLines[i], AName)) {
            return i;
        }
    }
    return FLines.size();
}

std::size_t TNetHeaderList::EndOfEntry(std::size_t AIndex) const {
    std::size_t end = AIndex + 1;
    while (end < FLines.size() && IsContinuation(FLines[end])) {
        ++end;
    }
    return end;
}

std::string TNetHeaderList::ValueAt(std::size_t AIndex) const {
    std::string_view first = FLines[AIndex];
    std::string value(Trim(first.substr(first.find(':') + 1)));
    for (std::size_t i = AIndex + 1; i < EndOfEntry(AIndex); ++i) {
        value += ' ';
        value += Trim(FLines[i]);
    }
    return value;
}

std::string TNetHeaderList::Values(std::string_view AName) const {
    std::size_t index = IndexOfName(AName);
    return index < FLines.size() ? ValueAt(index) : std::string();
}

std::vector<std::string> TNetHeaderList::AllValues(std::string_view AName) const {
    std::vector<std::string> values;
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        if (HasName(FLines[i], AName)) {
            values.push_back(ValueAt(i));
        }
    }
    return values;
}

void TNetHeaderList::SetValues(std::string_view AName, std::string_view AValue) {
    std::size_t index = IndexOfName(AName);
    if (index < FLines.size()) {
        FLines.erase(FLines.begin() + std::ptrdiff_t(index),
                     FLines.begin() + std::ptrdiff_t(EndOfEntry(index)));
    }
    if (AValue.empty()) {
        return;
    }
    std::vector<std::string> lines = FoldedLines(AName, AValue);
    FLines.insert(FLines.begin() + std::ptrdiff_t(index), lines.begin(), lines.end());
}

void TNetHeaderList::AddValue(std::string_view AName, std::string_view AValue) {
    std::vector<std::string> lines = FoldedLines(AName, AValue);
    FLines.insert(FLines.end(), lines.begin(), lines.end());
}

void TNetHeaderList::AddStrings(const TNetHeaderList& AOther) {
    FLines.insert(FLines.end(), AOther.FLines.begin(), AOther.FLines.end());
}

std::vector<std::string> TNetHeaderList::FoldedLines(std::string_view AName,
                                                     std::string_view AValue) const {
    std::string line = std::string(AName) + ": " + std::string(AValue);
    std::size_t valueStart = std::min(line.find_first_not_of(" \t", AName.size() + 1), line.size());
    std::vector<std::string> lines;
    while (line.size() > FoldLength) {
        std::size_t at = FoldPoint(line, valueStart);
        if (at == std::string::npos) {
            break;
        }
        // A comma stays on its line; a space or tab becomes the continuation mark.
        std::size_t headEnd = line[at] == ',' ? at + 1 : at;
        std::string_view rest = TrimLeft(std::string_view(line).substr(at + 1));
        if (rest.empty()) {
            break;
        }
        lines.push_back(line.substr(0, headEnd));
        line = " " + std::string(rest);
        valueStart = 1;
    }
    lines.push_back(std::move(line));
    return lines;
}
