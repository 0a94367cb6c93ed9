#include "framework/gui/MemoStrings.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/Edit.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

const TClassInfo& TMemoStrings::StaticClass() {
    static const TClassInfo info = TClassBuilder<TMemoStrings, TStrings>("TMemoStrings").Build();
    return info;
}

std::vector<std::string> TMemoStrings::Split() const {
    const std::string text = FMemo.Text();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

void TMemoStrings::Join(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    FMemo.SetText(text);
}

void TMemoStrings::Append(const std::string& line) {
    const std::string text = FMemo.Text();
    const std::string added = text.empty() ? line : "\r\n" + line;
    if (!FMemo.HandleAllocated()) {
        FMemo.SetText(text + added);
        return;
    }
    const auto end = static_cast<win::WPARAM>(text.size());
    win::SendMessage(FMemo.Handle(), win::EM_SETSEL, end, static_cast<win::LPARAM>(end));
    win::SendMessage(FMemo.Handle(), win::EM_REPLACESEL, 0,
                     reinterpret_cast<win::LPARAM>(added.c_str()));
}

int TMemoStrings::Count() const {
    return static_cast<int>(Split().size());
}

std::string TMemoStrings::Strings(int index) const {
    const std::vector<std::string> lines = Split();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        throw CreateFmt<EStringListError>("List index out of bounds (%d)", index);
    return lines[static_cast<std::size_t>(index)];
}

void TMemoStrings::SetStrings(int index, const std::string& s) {
    std::vector<std::string> lines = Split();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        throw CreateFmt<EStringListError>("List index out of bounds (%d)", index);
    lines[static_cast<std::size_t>(index)] = s;
    Join(lines);
}

void TMemoStrings::Insert(int index, std::string s) {
    std::vector<std::string> lines = Split();
    if (index < 0 || index > static_cast<int>(lines.size()))
        throw CreateFmt<EStringListError>("List index out of bounds (%d)", index);
    if (index == static_cast<int>(lines.size())) {
        Append(s);
        return;
    }
    lines.insert(lines.begin() + index, std::move(s));
    Join(lines);
}

void TMemoStrings::Delete(int index) {
    std::vector<std::string> lines = Split();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        throw CreateFmt<EStringListError>("List index out of bounds (%d)", index);
    lines.erase(lines.begin() + index);
    Join(lines);
}

void TMemoStrings::Clear() {
    FMemo.SetText("");
}

} // namespace fw
