#include "app/Unit1.h"

#include "app/ApplicationFolders.h"
#include "app/PublisherLinks.h"
#include "app/StartMode.h"
#include "app/Unit_Shortcuts.h"
#include "app/res.h"
#include "catalogue/ChannelBrowser.h"
#include "catalogue/function_module.h"
#include "framework/ClassBuilder.h"
#include "framework/FileNames.h"
#include "framework/gui/Application.h"

#include <sys/stat.h>

namespace {

TProgramStart& CurrentProgramStart() {
    static TProgramStart start;
    return start;
}

// The desktop shortcut's name, and the folder code that means the user's desktop.
constexpr std::string_view kShortcutName = "Telvora";
constexpr std::int32_t kDesktopFolderCode = -1;

} // namespace

const fw::TClassInfo& TForm1::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TForm1, fw::TForm>("TForm1")
            .Field("Image1", &TForm1::Image1)
            .Field("Label5", &TForm1::Label5)
            .Field("Button3", &TForm1::Button3)
            .Field("SB", &TForm1::SB)
            .Field("PageControl1", &TForm1::PageControl1)
            .Field("TabSheet1", &TForm1::TabSheet1)
            .Field("TVList", &TForm1::TVList)
            .Field("TVListBox", &TForm1::TVListBox)
            .Field("ComboBox_Class", &TForm1::ComboBox_Class)
            .Field("TabSheet2", &TForm1::TabSheet2)
            .Field("Memo1", &TForm1::Memo1)
            .Field("LoadData", &TForm1::LoadData)
            .Field("filepathList", &TForm1::filepathList)
            .Field("TVFilepathList", &TForm1::TVFilepathList)
            .Field("Button1", &TForm1::Button1)
            .Field("Button_UpDate", &TForm1::Button_UpDate)
            .Field("ProgressBar1", &TForm1::ProgressBar1)
            .Field("PageControl2", &TForm1::PageControl2)
            .Field("TabSheet4", &TForm1::TabSheet4)
            .Field("Edit_Url", &TForm1::Edit_Url)
            .Field("Edit_SaveFile", &TForm1::Edit_SaveFile)
            .Field("Button_Download", &TForm1::Button_Download)
            .Field("Button_URAR", &TForm1::Button_URAR)
            .Field("Button_R", &TForm1::Button_R)
            .Field("Edit_Ver", &TForm1::Edit_Ver)
            .Field("Button2", &TForm1::Button2)
            .Field("Timer_Load", &TForm1::Timer_Load)
            .Field("Timer1", &TForm1::Timer1)
            .Method("FormCreate", &TForm1::FormCreate)
            .Method("Button3Click", &TForm1::Button3Click)
            .Method("Button2Click", &TForm1::Button2Click)
            .Method("Button1Click", &TForm1::Button1Click)
            .Method("Image1Click", &TForm1::Image1Click)
            .Method("LoadDataClick", &TForm1::LoadDataClick)
            .Method("ComboBox_ClassChange", &TForm1::ComboBox_ClassChange)
            .Method("TVListClick", &TForm1::TVListClick)
            .Build();
    return info;
}

TForm1::TForm1(fw::TComponent* owner) : fw::TForm(owner) {}

void TForm1::SetProgramStart(TProgramStart start) {
    CurrentProgramStart() = std::move(start);
}

void TForm1::ReportStatus(std::string_view message) {
    fw::TStatusPanel& panel = *SB->Panels()->Items(0);
    panel.SetText(std::string(message));
    TVListBox->Lines()->Add(panel.Text());
}

void TForm1::FormCreate(fw::TObject*) {
    const TProgramStart& start = CurrentProgramStart();
    FApplicationFolder = start.ApplicationFolder.empty()
                             ? ApplicationFolderFor(start.ProgramPath)
                             : fw::IncludeTrailingPathDelimiter(start.ApplicationFolder);
    SetCaption(Caption() + Edit_Ver->Text());
    // An existing folder stays as it is; a folder that cannot be made shows
    // later as an empty catalogue.
    ::mkdir(WorkingFolderOf(FApplicationFolder).c_str(), 0755);
    if (start.WriteDesktopFiles && !WriteArchiveLibrary())
        return;

    const TStartMode mode = StartModeFor(start.Arguments);
    if (mode.NormalStart) {
        StartNormally(start);
        return;
    }
    for (int request = 0; request < mode.UpdateRequests; ++request) {
        ReportStatus(kUpdatePendingStatus);
        Timer1->SetEnabled(true);
    }
}

// Loaded from this file later, so the copy written here is the one used
// whatever the current folder is.
bool TForm1::WriteArchiveLibrary() {
    try {
        SaveResourceToFile("7z", "dll", ArchiveLibraryPathOf(FApplicationFolder));
        return true;
    } catch (...) {
        fw::Application().HandleException(this);
        return false;
    }
}

// The list load guards itself; whatever else goes wrong on the way is dropped,
// as a start must not be held up by the catalogue or the desktop.
void TForm1::StartNormally(const TProgramStart& start) {
    try {
        LoadData->Click();
        if (start.WriteDesktopFiles)
            CreateShortcut(start.ProgramPath, std::string(kShortcutName), "", kDesktopFolderCode);
    } catch (...) {
    }
}

void TForm1::Button3Click(fw::TObject*) {
    Close();
}

void TForm1::Button2Click(fw::TObject*) {
    OpenLink(Handle(), OfficialSiteLink(Edit_Ver->Text()));
}

void TForm1::Button1Click(fw::TObject*) {
    OpenLink(Handle(), OnlineVersionLink(Edit_Ver->Text()));
}

void TForm1::Image1Click(fw::TObject*) {
    OpenLink(Handle(), OfficialSiteLink(Edit_Ver->Text()));
}

void TForm1::LoadDataClick(fw::TObject*) {
    TVListBox->Lines()->Clear();
    TVList->Items()->Clear();
    filepathList->Items()->Clear();
    TVFilepathList->Items()->Clear();
    try {
        // The cleared controls repaint before the walk holds the thread.
        fw::Application().ProcessMessages();
        const std::string folder =
            catalogue::CategoryFolder(FApplicationFolder, ComboBox_Class->Text());
        const std::string status = catalogue::ScanListingFolder(
            folder, {*TVList->Items(), *TVFilepathList->Items(), *filepathList->Items()});
        SB->Panels()->Items(0)->SetText(status);
    } catch (...) {
    }
}

void TForm1::ComboBox_ClassChange(fw::TObject*) {
    LoadData->Click();
}

// A file that cannot be read leaves the view as it was.
void TForm1::TVListClick(fw::TObject*) {
    try {
        TVListBox->SetText(catalogue::ChannelScheduleText(
            *TVList->Items(), *TVFilepathList->Items(), TVList->ItemIndex()));
    } catch (...) {
    }
}
