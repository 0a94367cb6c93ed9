// telvora-tool shot OUT.png [--folder APPDIR] [--category N] [--select I]: the
// main window rendered headless over a catalogue, with a category picked and a
// channel clicked the way the window's own handlers do it.

#include "app/Unit1.h"
#include "framework/FileNames.h"
#include "framework/gui/Application.h"
#include "platform/backend/headless/TestDisplay.h"
#include "platform/kernel/Module.h"
#include "tools/telvora-tool/CommandTable.h"

#include <charconv>
#include <optional>
#include <stdexcept>

namespace tool {
namespace {

struct ShotOptions {
    std::string out;
    std::string folder;
    std::optional<int> category;
    std::optional<int> select;
};

int Index(const std::string& option, const std::string& text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        throw UsageError(option + " expects an index of 0 or more, not \"" + text + "\"");
    return value;
}

ShotOptions ParseShotOptions(std::span<const std::string> args) {
    ShotOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--folder" || arg == "--category" || arg == "--select") {
            if (i + 1 == args.size())
                throw UsageError(arg + " expects a value");
            const std::string& value = args[++i];
            if (arg == "--folder")
                options.folder = value;
            else if (arg == "--category")
                options.category = Index(arg, value);
            else
                options.select = Index(arg, value);
        } else if (arg.starts_with("--") || !options.out.empty()) {
            throw UsageError("unexpected argument \"" + arg + "\"");
        } else {
            options.out = arg;
        }
    }
    if (options.out.empty())
        throw UsageError("expects the PNG file to write");
    if (options.folder.empty())
        options.folder = fw::ExtractFilePath(win::GetModuleFileName(nullptr));
    return options;
}

// The window is freed on every way out, before the display goes.
struct FormHolder {
    TForm1* form = nullptr;
    ~FormHolder() {
        if (form)
            form->Free();
    }
};

int RunShot(std::span<const std::string> args) {
    const ShotOptions options = ParseShotOptions(args);
    win::headless::TestDisplay& display = win::headless::TestDisplay::Install();
    fw::Application().SetTitle("Telvora");
    TForm1::SetProgramStart({.ProgramPath = win::GetModuleFileName(nullptr),
                             .ApplicationFolder = options.folder,
                             .WriteDesktopFiles = false});
    FormHolder holder;
    holder.form = fw::NewForm<TForm1>(nullptr);
    TForm1& form = *holder.form;
    form.Show();
    display.Run();

    if (options.category) {
        if (*options.category >= form.ComboBox_Class->Items()->Count())
            throw UsageError("there is no category " + std::to_string(*options.category));
        form.ComboBox_Class->SetItemIndex(*options.category);
        form.ComboBox_ClassChange(form.ComboBox_Class);
    }
    if (options.select) {
        if (*options.select >= form.TVList->Items()->Count())
            throw std::runtime_error("Category \"" + form.ComboBox_Class->Text() +
                                     "\" has no channel " + std::to_string(*options.select));
        form.TVList->SetItemIndex(*options.select);
        form.TVListClick(form.TVList);
    }
    display.Run();
    if (!display.WritePng(form.Handle(), options.out))
        throw std::runtime_error("Cannot write \"" + options.out + "\"");
    return kExitOk;
}

const CommandRegistrar registrar(
    {"shot", "OUT.png [--folder APPDIR] [--category N] [--select I]",
     "the main window over APPDIR's catalogue (default: the tool's folder), rendered to PNG",
     RunShot});

} // namespace
} // namespace tool
