// The catalogue's costs as the user meets them, in the main window on the
// headless display: the catalogue load of 20,000 channel files in 500 folders
// into the list box, measured against find(1) walking the same tree in the same
// run; and a channel click that shows a 10,000-line schedule in the schedule
// view, measured against reading and decoding the file alone.

#include "app/Unit1.h"
#include "bench/catalogue/CatalogueData.h"
#include "catalogue/ScheduleText.h"
#include "platform/backend/headless/TestDisplay.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace catalogue_bench;

// 500 folders of 47 files, 41 of them channel files: 20,500 channels.
constexpr int kFolders = 500;
constexpr int kFilesPerFolder = 47;

// The main window over an application folder of its own, started without a
// catalogue load; its working folder is a link to `tree` when one is given
// (made before the window, which would otherwise create the folder).
class MainWindow {
public:
    explicit MainWindow(const std::string& tree = {}) {
        fs::create_directories(FFolder);
        if (!tree.empty())
            fs::create_directory_symlink(tree, FFolder / "ORVOListTemp");
        TForm1::SetProgramStart({.Arguments = {"--bench"},
                                 .ApplicationFolder = FFolder.string(),
                                 .WriteDesktopFiles = false});
        FForm = fw::NewForm<TForm1>(nullptr);
        FForm->Show();
        FDisplay.Run();
    }
    ~MainWindow() {
        FForm->Free();
        FDisplay.Run();
        fs::remove_all(FFolder);
    }

    TForm1& Form() { return *FForm; }
    // Paints what the handler changed, as the loop would next.
    void Settle() { FDisplay.Run(); }

private:
    win::headless::TestDisplay& FDisplay = win::headless::TestDisplay::Install();
    fs::path FFolder =
        fs::temp_directory_path() / ("main-window-bench-" + std::to_string(getpid()));
    TForm1* FForm = nullptr;
};

// "所有频道" over the whole tree: clear, scan, name, fill the list box, paint.
void BM_MainWindowCatalogueLoad(benchmark::State& state) {
    MainWindow window(ListingTree(kFolders, kFilesPerFolder));
    TForm1& form = window.Form();
    form.ComboBox_Class->SetItemIndex(0);
    for (auto _ : state) {
        form.LoadData->Click();
        window.Settle();
    }
    state.counters["channels"] = form.TVList->Items()->Count();
}
BENCHMARK(BM_MainWindowCatalogueLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindSameTree(benchmark::State& state) {
    MeasureFind(state, ListingTree(kFolders, kFilesPerFolder));
}
BENCHMARK(BM_FindSameTree)->Unit(benchmark::kMillisecond)->UseRealTime();

// A click on a channel whose schedule has 10,000 lines: read, decode, fill the
// schedule view, paint.
void BM_MainWindowChannelClick(benchmark::State& state) {
    ScheduleFile file;
    MainWindow window;
    TForm1& form = window.Form();
    form.TVList->Items()->Add("新闻台");
    form.TVFilepathList->Items()->Add(file.Path());
    form.TVList->SetItemIndex(0);
    for (auto _ : state) {
        form.TVListClick(form.TVList);
        window.Settle();
    }
    state.counters["lines"] = form.TVListBox->Lines()->Count();
}
BENCHMARK(BM_MainWindowChannelClick)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadAndDecodeAlone(benchmark::State& state) {
    ScheduleFile file;
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue::ReadScheduleFile(file.Path()));
}
BENCHMARK(BM_ReadAndDecodeAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
