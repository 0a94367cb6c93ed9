#pragma once
// An ordered list of header lines, "Name: value", with continuation lines (a line
// that begins with a space or a tab) belonging to the line before them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TNetHeaderList {
public:
    // The value of the first line of that name (case ignored), trimmed and joined
    // with its continuation lines by single spaces; empty when absent.
    std::string Values(std::string_view AName) const;
    // Replaces the first line of that name (dropping its continuation lines) or
    // appends one; an empty value deletes the line. Long lines are folded.
    void SetValues(std::string_view AName, std::string_view AValue);
    // Appends a line even when the name is already there.
    void AddValue(std::string_view AName, std::string_view AValue);
    // Every value of that name, in order.
    std::vector<std::string> AllValues(std::string_view AName) const;

    void Add(std::string ALine) { FLines.push_back(std::move(ALine)); }
    void AddStrings(const TNetHeaderList& AOther);
    void Clear() { FLines.clear(); }
    std::size_t Count() const { return FLines.size(); }
    const std::string& operator[](std::size_t AIndex) const { return FLines[AIndex]; }
    const std::vector<std::string>& Lines() const { return FLines; }

    // Lines longer than this are folded at a space, tab or comma.
    static constexpr std::size_t FoldLength = 1024;

private:
    // Index of the first line of that name, or Count().
    std::size_t IndexOfName(std::string_view AName) const;
    // Index past the line at AIndex and its continuation lines.
    std::size_t EndOfEntry(std::size_t AIndex) const;
    std::string ValueAt(std::size_t AIndex) const;
    std::vector<std::string> FoldedLines(std::string_view AName, std::string_view AValue) const;

    std::vector<std::string> FLines;
};
