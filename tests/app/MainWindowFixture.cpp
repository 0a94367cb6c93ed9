#include "tests/app/MainWindowFixture.h"

#include "framework/gui/Application.h"

namespace app_test {

namespace fs = std::filesystem;

MainWindowTest::MainWindowTest()
    : home_("HOME", (root_ / "home").string()),
      config_("XDG_CONFIG_HOME", (root_ / "home" / ".config").string()),
      noBus_("DBUS_SESSION_BUS_ADDRESS", ""), noPackageUrl_("TELVORA_PACKAGE_URL", ""),
      noProbeUrl_("TELVORA_PROBE_URL", "") {
    fs::create_directories(Desktop());
    fs::create_directories(ApplicationFolder());
    testing_support::WriteFile(Program(), "program");
    display = &win::headless::TestDisplay::Install();
    previousBox_ = fw::SetMessageBoxFunction(
        [this](const std::string& text, const std::string& caption, unsigned flags) {
            boxes.push_back({text, caption, flags});
            return fw::IDOK;
        });
    fw::Application().SetTitle("Telvora");
}

MainWindowTest::~MainWindowTest() {
    if (form)
        form->Free();
    display->Run();
    fw::SetMessageBoxFunction(std::move(previousBox_));
}

TForm1& MainWindowTest::Start(const std::vector<std::string>& arguments,
                              const std::string& program) {
    TForm1::SetProgramStart(
        {.ProgramPath = program.empty() ? Program() : program, .Arguments = arguments});
    form = fw::NewForm<TForm1>(nullptr);
    form->Show();
    display->Run();
    return *form;
}

void MainWindowTest::WriteCatalogueFile(const std::string& relative,
                                        const std::string& bytes) const {
    const fs::path path = ApplicationFolder() / "ORVOListTemp" / relative;
    fs::create_directories(path.parent_path());
    testing_support::WriteFile(path, bytes);
}

win::POINT MainWindowTest::At(fw::TWinControl& control, int x, int y) const {
    win::POINT point{x, y};
    win::ClientToScreen(control.Handle(), &point);
    return point;
}

std::vector<std::string> MainWindowTest::Lines(const fw::TStrings& strings) {
    std::vector<std::string> lines;
    for (int i = 0; i < strings.Count(); ++i)
        lines.push_back(strings.Strings(i));
    return lines;
}

} // namespace app_test
