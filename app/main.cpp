// Telvora: the process entry. One instance at a time; the main window is read
// from its definition and runs until it closes.

#include "app/NetworkPump.h"
#include "app/ProcessEntry.h"
#include "app/Unit1.h"
#include "framework/gui/Application.h"
#include "platform/backend/StartDisplay.h"
#include "platform/kernel/Module.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunProcessEntry(arguments, [&arguments] {
        if (!win::StartDisplay()) {
            std::fprintf(stderr, "telvora: no display to show the window on\n");
            return 1;
        }
        fw::TApplication& application = fw::Application();
        application.Initialize();
        application.SetTitle("Telvora");
        ConnectNetworkPump(application);
        TForm1::SetProgramStart(
            {.ProgramPath = win::GetModuleFileName(nullptr), .Arguments = arguments});
        try {
            TForm1* Form1 = nullptr;
            application.CreateForm(Form1);
        } catch (const std::exception& error) {
            // Only a damaged definition gets here: no window can be shown.
            std::fprintf(stderr, "telvora: %s\n", error.what());
            return 1;
        }
        application.Run();
        return 0;
    });
}
