#pragma once
// TQuickIni, the skin engine's in-memory INI text: trimmed lines plus an index
// of the section headers, so a lookup jumps to its section and scans only that
// section's lines. Section and key names match without regard to case. Texts
// are ANSI on disk and UTF-8 in memory; they may also be stored as a compressed
// block (see WinConvert.h).

#include "framework/Stream.h"
#include "framework/StringList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

class TQuickIni : public fw::TObject {
public:
    const fw::TStringList& IniFile() const { return FIniFile; }
    void SetIniFile(const fw::TStrings& lines);

    // Replaces the text with the bytes from the stream's position to its end;
    // a null stream changes nothing.
    void LoadFromStream(fw::TStream* Stream);
    // Every line followed by CR LF, in the ANSI code page.
    void SaveToStream(fw::TStream* Stream);
    void LoadFromFile(const std::string& aname);
    void SaveToFile(const std::string& aname);
    void LoadFromZip(const std::string& aname);
    void SavetoZip(const std::string& aname);

    // The Strings lists must be given: a null list raises EAssertionFailed.
    void ReadSections(fw::TStrings* Strings) const;
    void ReadSection(const std::string& Section, fw::TStrings* Strings) const;
    void ReadSectionValues(const std::string& Section, fw::TStrings* Strings) const;

    std::string ReadString(const std::string& Section, const std::string& Ident,
                           const std::string& Default) const;
    std::int32_t ReadInteger(const std::string& Section, const std::string& Ident,
                             std::int32_t Default) const;
    bool ReadBool(const std::string& Section, const std::string& Ident, bool Default) const;

    void WriteString(const std::string& Section, const std::string& Ident,
                     const std::string& Value);
    void WriteInteger(const std::string& Section, const std::string& Ident, std::int32_t Value);
    void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
    void DeleteKey(const std::string& Section, const std::string& Ident);
    void EraseSection(const std::string& Section);

    void RebuildSections();
    void Clear();

private:
    struct TSectionHeader {
        std::string text; // trimmed, brackets included
        int line;         // its index in FIniFile
    };

    void FillFromSection(const std::string& Section, fw::TStrings* Strings,
                         std::string (*pick)(const std::string& line)) const;
    int FindSection(const std::string& Section) const;
    int SectionEnd(int header) const;
    int FindKey(int header, const std::string& Ident) const;
    void AddLine(const std::string& line);
    void ShiftHeadersAfter(int line, int delta);

    fw::TStringList FIniFile;
    std::vector<TSectionHeader> FSections;
};

} // namespace skin
