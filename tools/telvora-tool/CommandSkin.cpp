// telvora-tool skin list FILE | skin extract FILE DIR | skin objects FILE: a
// skin file's container version and directory (names as the reader keeps them,
// lower-cased, with their sizes), its entries written as files DIR/name, or the
// skin objects a skin data component builds from it.

#include "framework/MemoryStream.h"
#include "framework/StringUtils.h"
#include "skin/SkinMessageBox.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinData.h"
#include "tools/telvora-tool/CommandTable.h"
#include "tools/telvora-tool/SkinObjectsReport.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Catches the reader's message box for the length of a load.
class CapturedMessageBox {
public:
    CapturedMessageBox()
        : FPrevious(skin::SetSkinMessageBoxHandler([this](const std::string& t) { text = t; })) {}
    ~CapturedMessageBox() { skin::SetSkinMessageBoxHandler(FPrevious); }
    CapturedMessageBox(const CapturedMessageBox&) = delete;
    CapturedMessageBox& operator=(const CapturedMessageBox&) = delete;
    std::string text;

private:
    skin::TSkinMessageBoxHandler FPrevious;
};

// Loads the skin file; the message box for an unknown version becomes the
// command's error.
void LoadSkin(skin::TSkinReader& reader, const std::string& fileName) {
    fw::TMemoryStream file;
    file.LoadFromFile(fileName);
    CapturedMessageBox messageBox;
    bool loaded = false;
    try {
        loaded = reader.Loadfromstream(file);
    } catch (const fw::Exception& e) {
        throw std::runtime_error(fileName + ": " + e.Message());
    }
    if (!loaded)
        throw std::runtime_error(fileName + ": " + messageBox.text + " (container version " +
                                 fw::IntToStr(reader.header().Version) + ")");
}

// A name as an error line can show it: control characters as \xNN.
std::string Printable(const std::string& name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F)
            shown += {'\\', 'x', kHex[c >> 4], kHex[c & 0x0F]};
        else
            shown += char(c);
    }
    return shown;
}

// An entry becomes DIR/name: a name that is empty, would lead anywhere else,
// holds control characters or is too long for a file name is refused.
void CheckEntryName(const std::string& fileName, const std::string& name) {
    const bool control = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (name.empty() || name == "." || name == ".." || control || name.size() > NAME_MAX ||
        name.find_first_of("/\\") != std::string::npos)
        throw std::runtime_error(fileName + ": entry name \"" + Printable(name) +
                                 "\" is not a plain file name; nothing extracted");
}

// Every entry as DIR/name, or none: each name is checked before the first file
// is written, and a failed write removes what this run wrote. Of two entries
// with one name the reader serves the first; so does the folder.
void ExtractEntries(skin::TSkinReader& reader, const std::string& fileName,
                    const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (int i = 0; i < reader.Num(); ++i) {
        const std::string& name = reader.Dir().Strings(i);
        CheckEntryName(fileName, name);
        if (seen.insert(name).second)
            names.push_back(name);
    }
    const bool madeFolder = std::filesystem::create_directories(folder);
    std::vector<std::filesystem::path> written;
    try {
        for (const std::string& name : names) {
            fw::TMemoryStream entry;
            reader.readfile(name, entry);
            written.push_back(folder / name);
            entry.SaveToFile(written.back().string());
        }
    } catch (...) {
        std::error_code ignored;
        for (const auto& path : written)
            std::filesystem::remove(path, ignored);
        if (madeFolder)
            std::filesystem::remove(folder, ignored);
        throw;
    }
}

// The file is checked as a container first, so a skin that does not load is
// reported with the reader's reason.
int RunSkinObjects(const std::string& fileName) {
    skin::TSkinReader reader;
    LoadSkin(reader, fileName);
    fw::TMemoryStream file;
    file.LoadFromFile(fileName);
    const auto data = fw::MakeComponent<skin::TSkinData>();
    data->LoadFromStream(file);
    if (data->Empty)
        throw std::runtime_error(fileName + ": the skin does not load");
    const std::string out = tool::SkinObjectsReport(*data);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return tool::kExitOk;
}

int RunSkin(std::span<const std::string> args) {
    if (args.empty() || (args[0] != "list" && args[0] != "extract" && args[0] != "objects"))
        throw tool::UsageError("expects list, extract or objects");
    if (args[0] == "objects") {
        if (args.size() != 2)
            throw tool::UsageError("objects expects a skin file");
        return RunSkinObjects(args[1]);
    }
    if (args[0] == "list" && args.size() != 2)
        throw tool::UsageError("list expects a skin file");
    if (args[0] == "extract" && args.size() != 3)
        throw tool::UsageError("extract expects a skin file and a folder");

    skin::TSkinReader reader;
    LoadSkin(reader, args[1]);
    const fw::TStringList& dir = reader.Dir();

    if (args[0] == "list") {
        std::string out = "version " + fw::IntToStr(reader.header().Version) + "\n";
        for (int i = 0; i < reader.Num(); ++i)
            out += dir.Strings(i) + "\t" + fw::IntToStr(reader.sizes(i)) + "\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
        return tool::kExitOk;
    }

    ExtractEntries(reader, args[1], args[2]);
    return tool::kExitOk;
}

const tool::CommandRegistrar registrar(
    {"skin", "list FILE | extract FILE DIR | objects FILE",
     "show a skin file's version and entries, extract them, or show its skin objects", RunSkin});

} // namespace
