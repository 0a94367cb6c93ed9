#pragma once
// The main window on the headless display, started as the program starts it:
// a program file in a folder of its own (the application folder), a home with a
// desktop folder, and the channel catalogue a test writes beside the program.
// Message boxes are recorded and answered with OK.

#include "app/Unit1.h"
#include "framework/gui/Application.h"
#include "platform/backend/headless/TestDisplay.h"
#include "tests/platform_shell/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace app_test {

struct TShownBox {
    std::string text;
    std::string caption;
    unsigned flags;
};

class MainWindowTest : public testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Creates, shows and paints the window with this command line, for the
    // program file `program` (default: Program()).
    TForm1& Start(const std::vector<std::string>& arguments, const std::string& program = {});

    std::filesystem::path ApplicationFolder() const { return root_ / "opt" / "telvora"; }
    std::filesystem::path Home() const { return root_ / "home"; }
    std::filesystem::path Desktop() const { return Home() / "Desktop"; }
    std::string Program() const { return (ApplicationFolder() / "telvora").string(); }
    // A file under the working folder, parents made as needed.
    void WriteCatalogueFile(const std::string& relative, const std::string& bytes) const;

    // Screen point of a client point of a control.
    win::POINT At(fw::TWinControl& control, int x, int y) const;
    // The lines of a list or a text box.
    static std::vector<std::string> Lines(const fw::TStrings& strings);

    win::headless::TestDisplay* display = nullptr;
    std::vector<TShownBox> boxes;
    TForm1* form = nullptr;

private:
    testing_support::TempFolder root_;
    testing_support::ScopedEnvironment home_;
    testing_support::ScopedEnvironment config_;
    testing_support::ScopedEnvironment noBus_;
    testing_support::ScopedEnvironment noPackageUrl_;
    testing_support::ScopedEnvironment noProbeUrl_;
    fw::TMessageBoxFunction previousBox_;
};

} // namespace app_test
