// telvora-tool skin list FILE | skin extract FILE DIR: a skin file's container
// version and directory (names as the reader keeps them, lower-cased, with their
// sizes), or its entries written as files DIR/name.

#include "framework/MemoryStream.h"
#include "framework/StringUtils.h"
#include "skin/SkinMessageBox.h"
#include "skin/SkinRead.h"
#include "tools/telvora-tool/CommandTable.h"

#include <cstdio>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

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

// An entry becomes DIR/name: a name that is empty or would lead anywhere else
// is refused before anything is written.
void CheckEntryName(const std::string& fileName, const std::string& name) {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        throw std::runtime_error(fileName + ": entry name \"" + name +
                                 "\" is not a plain file name; nothing extracted");
}

int RunSkin(std::span<const std::string> args) {
    if (args.empty() || (args[0] != "list" && args[0] != "extract"))
        throw tool::UsageError("expects list or extract");
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

    for (int i = 0; i < reader.Num(); ++i)
        CheckEntryName(args[1], dir.Strings(i));
    const std::filesystem::path folder(args[2]);
    std::filesystem::create_directories(folder);
    // Of two entries with one name the reader serves the first; so does the folder.
    std::set<std::string> written;
    for (int i = 0; i < reader.Num(); ++i) {
        const std::string name = dir.Strings(i);
        if (!written.insert(name).second)
            continue;
        fw::TMemoryStream entry;
        reader.readfile(name, entry);
        entry.SaveToFile((folder / name).string());
    }
    return tool::kExitOk;
}

const tool::CommandRegistrar registrar({"skin", "list FILE | extract FILE DIR",
                                        "show a skin file's version and entries, or extract them",
                                        RunSkin});

} // namespace
