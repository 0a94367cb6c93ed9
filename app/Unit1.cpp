#include "app/Unit1.h"

#include "app/ApplicationFolders.h"
#include "app/CatalogueSwap.h"
#include "app/PackageDownload.h"
#include "app/PackageFiller.h"
#include "app/PublisherLinks.h"
#include "app/StartMode.h"
#include "app/Unit_Shortcuts.h"
#include "app/UpdateAddresses.h"
#include "app/res.h"
#include "catalogue/ChannelBrowser.h"
#include "catalogue/function_module.h"
#include "framework/ClassBuilder.h"
#include "framework/ClassRegistry.h"
#include "framework/FileNames.h"
#include "framework/gui/Application.h"
#include "platform/kernel/SystemMessage.h"
#include "platform/shell/Internet.h"
#include "platform/shell/ShellExecute.h"
#include "platform/user/Clock.h"
#include "platform/user/controls/StandardControls.h"
#include "skin/WinSkinClasses.h"

#include <algorithm>
#include <chrono>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

TProgramStart& CurrentProgramStart() {
    static TProgramStart start;
    return start;
}

// The desktop shortcut's name, and the folder code that means the user's desktop.
constexpr std::string_view kShortcutName = "Telvora";
constexpr std::int32_t kDesktopFolderCode = -1;

// The pause between extracting and reloading, kept from the original road.
constexpr auto kSettlePause = std::chrono::milliseconds(100);

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The window's components that live outside the framework's standard set.
void RegisterUnitClasses() {
    fw::RegisterClass(TNetHTTP::StaticClass());
    fw::RegisterClass(TNetAntiFreeze::StaticClass());
    skin::RegisterSkinClasses();
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

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
            .Field("SkinData1", &TForm1::SkinData1)
            .Field("NetHTTP1", &TForm1::NetHTTP1)
            .Field("NetAntiFreeze1", &TForm1::NetAntiFreeze1)
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
            .Method("Button_RClick", &TForm1::Button_RClick)
            .Method("Timer1Timer", &TForm1::Timer1Timer)
            .Method("Button_UpDateClick", &TForm1::Button_UpDateClick)
            .Method("Button_DownloadClick", &TForm1::Button_DownloadClick)
            .Method("NetHTTP1WorkBegin", &TForm1::NetHTTP1WorkBegin)
            .Method("NetHTTP1Work", &TForm1::NetHTTP1Work)
            .Method("NetHTTP1WorkEnd", &TForm1::NetHTTP1WorkEnd)
            .Method("Timer_LoadTimer", &TForm1::Timer_LoadTimer)
            .Method("Button_URARClick", &TForm1::Button_URARClick)
            .Build();
    return info;
}

TForm1::TForm1(fw::TComponent* owner) : fw::TForm(owner) {
    RegisterUnitClasses();
}

// Sibling windows stack first-made on top; the update command must lie over
// the hidden check button it covers, or a click would run the check in this
// instance instead of restarting.
void TForm1::CreateWnd() {
    fw::TForm::CreateWnd();
    Button_R->BringToFront();
}

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
    FProgramPath = start.ProgramPath;
    const bool catalogueCopied = start.ApplicationFolder.empty() && CopyCatalogueToDataFolder();
    SetCaption(Caption() + Edit_Ver->Text());
    const TUpdateAddresses addresses = UpdateAddresses();
    Edit_Url->SetText(addresses.PackageUrl);
    FProbeUrl = addresses.ProbeUrl;
    // An existing folder stays as it is; a folder that cannot be made shows
    // later as an empty catalogue.
    ::mkdir(WorkingFolderOf(FApplicationFolder).c_str(), 0755);
    if (start.WriteDesktopFiles && !WriteArchiveLibrary())
        return;

    const TStartMode mode = StartModeFor(start.Arguments);
    if (mode.NormalStart)
        StartNormally(start);
    for (int request = 0; request < mode.UpdateRequests; ++request) {
        ReportStatus(kUpdatePendingStatus);
        Timer1->SetEnabled(true);
        FUpdateStep = TUpdateStep::Waiting;
    }
    if (catalogueCopied)
        ReportStatus(std::string(kDataFolderStatus) + FApplicationFolder);
}

// A copy that fails is dropped: the list then shows the data folder as it is,
// and the user can still fetch a catalogue.
bool TForm1::CopyCatalogueToDataFolder() {
    try {
        return CopyCatalogueBesideProgram(FProgramPath, FApplicationFolder);
    } catch (...) {
        return false;
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
        if (TVList->Items()->Count() == 0 &&
            !catalogue::HoldsAnyChannel(WorkingFolderOf(FApplicationFolder)))
            ReportStatus(kNoCatalogueStatus);
    } catch (...) {
    }
}

void TForm1::ComboBox_ClassChange(fw::TObject*) {
    LoadData->Click();
}

// A file that cannot be read leaves the view as it was.
void TForm1::TVListClick(fw::TObject*) {
    try {
        const catalogue::ScheduleView view = catalogue::ChannelScheduleView(
            *TVList->Items(), *TVFilepathList->Items(), TVList->ItemIndex(), win::GetUnixTime());
        TVListBox->SetText(view.text);
        if (view.onAir)
            ShowOnAir(*view.onAir);
    } catch (...) {
    }
}

// Selected, and scrolled to the view's second line, so the programme before it
// (or the day's header) stays in sight above it.
void TForm1::ShowOnAir(const catalogue::ViewLine& line) {
    TVListBox->SetSelStart(int(line.start));
    TVListBox->SetSelLength(int(line.length));
    const auto first = int(TVListBox->Perform(win::EM_GETFIRSTVISIBLELINE));
    const int target = std::max(0, int(line.line) - 1);
    TVListBox->Perform(win::EM_LINESCROLL, 0, target - first);
}

std::string TForm1::SavePath() const {
    return WorkingFolderOf(FApplicationFolder) + Edit_SaveFile->Text();
}

// Only the old package goes: the catalogue stays until a new one is swapped in.
// The quit is asked for only once the new instance is on its way.
void TForm1::Button_RClick(fw::TObject*) {
    if (FUpdateStep != TUpdateStep::Idle)
        return;
    ::unlink(SavePath().c_str());
    ::mkdir(WorkingFolderOf(FApplicationFolder).c_str(), 0755);
    const auto result = reinterpret_cast<std::intptr_t>(
        win::ShellExecute(Handle(), "OPEN", FProgramPath, "-up", "", win::SW_SHOWNORMAL));
    if (result <= 32) {
        ReportRestartFailure(result);
        return;
    }
    fw::Application().Terminate();
}

void TForm1::ReportRestartFailure(std::intptr_t shellResult) {
    ReportStatus("程序重启失败: " + win::ShellExecuteErrorText(static_cast<int>(shellResult)));
}

void TForm1::Timer1Timer(fw::TObject*) {
    Timer1->SetEnabled(false);
    Button_UpDate->Click();
}

void TForm1::Button_UpDateClick(fw::TObject*) {
    if (!IsOnline()) {
        fw::Application().MessageBox("暂无网络请稍候更新.", fw::Application().Title(), fw::MB_OK);
        FailUpdate();
        return;
    }
    Button_Download->Click();
}

// The download reports its own errors in the standard error box, then the
// update ends as every failed update ends. An exit asked for meanwhile aborts
// the transfer silently.
void TForm1::Button_DownloadClick(fw::TObject*) {
    if (FUpdateStep == TUpdateStep::Downloading || FUpdateStep == TUpdateStep::Unpacking)
        return;
    FUpdateStep = TUpdateStep::Downloading;
    bool saved = false;
    try {
        saved = DownloadAndSavePackage();
    } catch (...) {
        if (fw::Application().Terminated())
            return;
        fw::Application().HandleException(this);
    }
    if (fw::Application().Terminated())
        return;
    if (!saved) {
        FailUpdate();
        return;
    }
    FUpdateStep = TUpdateStep::Unpacking;
    Timer_Load->SetEnabled(true);
}

bool TForm1::DownloadAndSavePackage() {
    fw::Application().ProcessMessages();
    if (!CanReachProbeSite()) {
        if (!fw::Application().Terminated())
            ReportStatus("网络未连接!");
        return false;
    }
    const std::string savePath = SavePath();
    if (IsRegularFile(savePath)) {
        ReportStatus("您要下载的文件已经存在!");
        return false;
    }
    fw::TMemoryStream buffer;
    fw::Application().ProcessMessages();
    NetHTTP1->SetHandleRedirects(true);
    FTransferred = 0;
    NetHTTP1->Get(PackageRequestAddress(Edit_Url->Text(), LocalTimeNow()), buffer);
    CheckWholePackage(buffer, NetHTTP1->Response().ContentLength());
    SavePackage(buffer, savePath);
    return true;
}

void TForm1::NetHTTP1WorkBegin(fw::TObject*, TWorkMode, std::int64_t AWorkCountMax) {
    FTransferred = 0;
    ProgressBar1->SetMax(static_cast<std::int32_t>(static_cast<std::uint32_t>(AWorkCountMax)));
    ReportStatus("正在下载数据包...");
}

void TForm1::NetHTTP1Work(fw::TObject*, TWorkMode, std::int64_t AWorkCount) {
    FTransferred = AWorkCount;
    ProgressBar1->SetPosition(static_cast<std::int32_t>(static_cast<std::uint32_t>(AWorkCount)));
}

// Redirect and error bodies end transfers too; only the package's own, whole
// transfer is reported as done.
void TForm1::NetHTTP1WorkEnd(fw::TObject*, TWorkMode) {
    const TNetHTTPResponse& reply = NetHTTP1->Response();
    const int code = reply.ResponseCode();
    const bool redirect = !reply.Location().empty() && code != 201;
    const bool whole =
        FTransferred > 0 && (!reply.HasContentLength() || FTransferred == reply.ContentLength());
    if (code / 100 == 2 && !redirect && whole)
        ReportStatus("数据包下载完成.");
}

void TForm1::Timer_LoadTimer(fw::TObject*) {
    Timer_Load->SetEnabled(false);
    Button_URAR->Click();
}

// The package fills a staging folder that is then swapped in: any failure
// leaves the old catalogue complete, and a package that would not unpack is
// discarded.
void TForm1::Button_URARClick(fw::TObject*) {
    const std::string package = SavePath();
    try {
        ReportStatus("正在释放文件.");
        fw::Application().ProcessMessages();
        ReplaceCatalogue(FApplicationFolder, Edit_SaveFile->Text(),
                         PackageFiller(package, ArchiveLibraryPathOf(FApplicationFolder)));
    } catch (...) {
        ::unlink(package.c_str());
        FailUpdate();
        return;
    }
    FUpdateStep = TUpdateStep::Idle;
    try {
        std::this_thread::sleep_for(kSettlePause);
        fw::Application().ProcessMessages();
        LoadData->Click();
        ReportStatus("数据更新完成.");
        fw::Application().ProcessMessages();
    } catch (...) {
    }
}

// The messages of the step that failed stay in the view above the verdict.
void TForm1::FailUpdate() {
    FUpdateStep = TUpdateStep::Idle;
    try {
        const std::string log = TVListBox->Text();
        LoadData->Click();
        TVListBox->SetText(log);
        ReportStatus(kUpdateFailedStatus);
    } catch (...) {
    }
}

bool TForm1::IsOnline() {
    win::DWORD flags = 0;
    return win::InternetGetConnectedState(&flags, 0) != win::FALSE;
}

bool TForm1::CanReachProbeSite() {
    // An exit asked for while the probe runs ends the wait.
    return win::ProbeConnection(FProbeUrl, win::kConnectionProbeTimeLimitMs, [] {
               fw::Application().ProcessMessages();
               return !fw::Application().Terminated();
           }) != win::FALSE;
}
