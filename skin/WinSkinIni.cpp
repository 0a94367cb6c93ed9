#include "skin/WinSkinIni.h"

#include "framework/Exception.h"
#include "framework/FileStream.h"
#include "framework/MemoryStream.h"
#include "framework/StringUtils.h"
#include "platform/kernel/CodePage.h"
#include "skin/WinConvert.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <optional>
#include <string_view>

namespace skin {

namespace {

// A skin's integer: an optional sign, then decimal digits or "$" and hexadecimal
// digits, nothing else (the framework's own reader takes more, "x1F" and "0x" after
// a sign among it); none when the text is not one or does not fit 32 bits.
std::optional<std::int32_t> ParseSkinInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const std::int64_t limit = negative ? std::int64_t(INT32_MAX) + 1 : INT32_MAX;
    if (magnitude > std::uint64_t(limit))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -std::int64_t(magnitude) : std::int64_t(magnitude));
}

bool IsHeader(const std::string& line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

std::string KeyOf(const std::string& line) {
    const auto equals = line.find('=');
    if (equals == std::string::npos)
        return {};
    return fw::LowerCase(fw::Trim(std::string_view(line).substr(0, equals)));
}

std::string ValueOf(const std::string& line) {
    const auto equals = line.find('=');
    if (equals == std::string::npos)
        return {};
    return fw::Trim(std::string_view(line).substr(equals + 1));
}

void RequireStrings(const fw::TStrings* Strings) {
    if (Strings == nullptr)
        throw fw::EAssertionFailed("The parameter Strings is unassigned!");
}

// Each line ends at CR, LF or the end; one CR and then one LF after it belong to
// the break, so CR LF is a single break.
template <class Visit> void ForEachLine(std::string_view text, Visit visit) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        visit(text.substr(at, end - at));
        at = end;
        if (at < text.size() && text[at] == '\r')
            ++at;
        if (at < text.size() && text[at] == '\n')
            ++at;
    }
}

// Restores a list's change notifications however the filling ends.
class UpdateScope {
public:
    explicit UpdateScope(fw::TStrings& strings) : FStrings(strings) { FStrings.BeginUpdate(); }
    ~UpdateScope() { FStrings.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    fw::TStrings& FStrings;
};

} // namespace

void TQuickIni::SetIniFile(const fw::TStrings& lines) {
    FIniFile.Assign(lines);
    RebuildSections();
}

void TQuickIni::LoadFromStream(fw::TStream* Stream) {
    if (Stream == nullptr)
        return;
    const std::int64_t size = std::max<std::int64_t>(Stream->Size() - Stream->Position(), 0);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    bytes.resize(static_cast<std::size_t>(Stream->Read(bytes.data(), size)));
    // A NUL byte ends the text.
    bytes.resize(std::min(bytes.find('\0'), bytes.size()));

    UpdateScope update(FIniFile);
    Clear();
    ForEachLine(win::AnsiToUtf8(bytes), [this](std::string_view raw) {
        std::string line = fw::Trim(raw);
        if (!line.empty() && line.front() != ';')
            AddLine(line);
    });
}

void TQuickIni::SaveToStream(fw::TStream* Stream) {
    if (Stream == nullptr)
        return;
    std::string text;
    for (int i = 0; i < FIniFile.Count(); ++i)
        text += FIniFile.Strings(i) + "\r\n";
    const std::string ansi = win::Utf8ToAnsi(text);
    Stream->WriteBuffer(ansi.data(), static_cast<std::int64_t>(ansi.size()));
}

void TQuickIni::LoadFromFile(const std::string& aname) {
    fw::TFileStream file(aname, fw::fmOpenRead | fw::fmShareDenyWrite);
    LoadFromStream(&file);
}

void TQuickIni::SaveToFile(const std::string& aname) {
    fw::TFileStream file(aname, fw::fmCreate);
    SaveToStream(&file);
}

void TQuickIni::LoadFromZip(const std::string& aname) {
    fw::TMemoryStream packed, text;
    packed.LoadFromFile(aname);
    Decompress(packed, text);
    text.SetPosition(0);
    LoadFromStream(&text);
}

void TQuickIni::SavetoZip(const std::string& aname) {
    fw::TMemoryStream text, packed;
    SaveToStream(&text);
    Compress(text, packed);
    packed.SaveToFile(aname);
}

void TQuickIni::ReadSections(fw::TStrings* Strings) const {
    RequireStrings(Strings);
    UpdateScope update(*Strings);
    Strings->Clear();
    for (const TSectionHeader& header : FSections) {
        const std::string trimmed = fw::Trim(header.text);
        Strings->Add(fw::Trim(std::string_view(trimmed).substr(1, trimmed.size() - 2)));
    }
}

void TQuickIni::ReadSection(const std::string& Section, fw::TStrings* Strings) const {
    FillFromSection(Section, Strings, KeyOf);
}

void TQuickIni::ReadSectionValues(const std::string& Section, fw::TStrings* Strings) const {
    FillFromSection(Section, Strings, [](const std::string& line) { return line; });
}

// Clears Strings, then adds what `pick` makes of each line of the section,
// leaving out empty results.
void TQuickIni::FillFromSection(const std::string& Section, fw::TStrings* Strings,
                                std::string (*pick)(const std::string& line)) const {
    RequireStrings(Strings);
    UpdateScope update(*Strings);
    Strings->Clear();
    const int header = FindSection(Section);
    if (header < 0)
        return;
    for (int i = header + 1, end = SectionEnd(header); i < end; ++i) {
        std::string picked = pick(FIniFile.Strings(i));
        if (!picked.empty())
            Strings->Add(picked);
    }
}

std::string TQuickIni::ReadString(const std::string& Section, const std::string& Ident,
                                  const std::string& Default) const {
    const int header = FindSection(Section);
    if (header < 0)
        return Default;
    const int line = FindKey(header, Ident);
    if (line < 0)
        return Default;
    std::string value = ValueOf(FIniFile.Strings(line));
    return value.empty() ? Default : value;
}

std::int32_t TQuickIni::ReadInteger(const std::string& Section, const std::string& Ident,
                                    std::int32_t Default) const {
    std::string text = ReadString(Section, Ident, "");
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.replace(0, 2, "$");
    return ParseSkinInteger(text).value_or(Default);
}

bool TQuickIni::ReadBool(const std::string& Section, const std::string& Ident, bool Default) const {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TQuickIni::WriteString(const std::string& Section, const std::string& Ident,
                            const std::string& Value) {
    const std::string line = Ident + "=" + Value;
    const int header = FindSection(Section);
    if (header < 0) {
        AddLine("[" + Section + "]");
        if (!Ident.empty())
            FIniFile.Add(line);
        return;
    }
    if (Ident.empty())
        return;
    const int existing = FindKey(header, Ident);
    if (existing >= 0) {
        FIniFile.SetStrings(existing, line);
        return;
    }
    const int end = SectionEnd(header);
    if (end < FIniFile.Count()) {
        FIniFile.Insert(end, line);
        ShiftHeadersAfter(end - 1, +1);
    } else {
        FIniFile.Add(line);
    }
}

void TQuickIni::WriteInteger(const std::string& Section, const std::string& Ident,
                             std::int32_t Value) {
    WriteString(Section, Ident, fw::IntToStr(Value));
}

void TQuickIni::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

void TQuickIni::DeleteKey(const std::string& Section, const std::string& Ident) {
    const int header = FindSection(Section);
    if (header < 0)
        return;
    const int line = FindKey(header, Ident);
    if (line < 0)
        return;
    FIniFile.Delete(line);
    ShiftHeadersAfter(line, -1);
}

void TQuickIni::EraseSection(const std::string& Section) {
    const int header = FindSection(Section);
    if (header < 0)
        return;
    const int end = SectionEnd(header);
    for (int i = end - 1; i >= header; --i)
        FIniFile.Delete(i);
    int removed = end - header;
    // Keeps a blank line between the sections around it when the text is saved.
    if (header > 0) {
        FIniFile.Insert(header, "");
        --removed;
    }
    const auto at = std::find_if(FSections.begin(), FSections.end(),
                                 [header](const TSectionHeader& h) { return h.line == header; });
    FSections.erase(at);
    ShiftHeadersAfter(header, -removed);
}

void TQuickIni::RebuildSections() {
    FSections.clear();
    for (int i = 0; i < FIniFile.Count(); ++i) {
        std::string line = FIniFile.Strings(i);
        if (IsHeader(line))
            FSections.push_back({fw::Trim(line), i});
    }
}

void TQuickIni::Clear() {
    FIniFile.Clear();
    FSections.clear();
}

int TQuickIni::FindSection(const std::string& Section) const {
    const std::string wanted = "[" + Section + "]";
    for (const TSectionHeader& header : FSections) {
        if (fw::SameText(header.text, wanted))
            return header.line;
    }
    return -1;
}

// The line after the section's last line: the next header line or the end.
int TQuickIni::SectionEnd(int header) const {
    int line = header + 1;
    while (line < FIniFile.Count() && !IsHeader(fw::Trim(FIniFile.Strings(line))))
        ++line;
    return line;
}

// The first line of the section whose key is Ident; an empty Ident is no key.
int TQuickIni::FindKey(int header, const std::string& Ident) const {
    if (Ident.empty())
        return -1;
    const std::string key = fw::LowerCase(Ident);
    for (int line = header + 1, end = SectionEnd(header); line < end; ++line) {
        if (KeyOf(FIniFile.Strings(line)) == key)
            return line;
    }
    return -1;
}

void TQuickIni::AddLine(const std::string& line) {
    const int index = FIniFile.Add(line);
    if (IsHeader(line))
        FSections.push_back({line, index});
}

void TQuickIni::ShiftHeadersAfter(int line, int delta) {
    for (TSectionHeader& header : FSections) {
        if (header.line > line)
            header.line += delta;
    }
}

} // namespace skin
