#pragma once
// The main window: its controls as the definition creates them, window
// creation with the two start modes, the status report, and the commands of the
// channel browser, the web links and exit.

#include "catalogue/ChannelBrowser.h"
#include "framework/gui/Button.h"
#include "framework/gui/ComboBox.h"
#include "framework/gui/Edit.h"
#include "framework/gui/Form.h"
#include "framework/gui/Image.h"
#include "framework/gui/Label.h"
#include "framework/gui/ListBox.h"
#include "framework/gui/PageControl.h"
#include "framework/gui/ProgressBar.h"
#include "framework/gui/StatusBar.h"
#include "framework/gui/Timer.h"
#include "http/NetAntiFreeze.h"
#include "http/NetHTTP.h"
#include "skin/WinSkinData.h"

#include <string>
#include <vector>

// What window creation takes from the process.
struct TProgramStart {
    // The program file: the desktop shortcut's target, and where the
    // application folder comes from.
    std::string ProgramPath{};
    // The command line after the program path.
    std::vector<std::string> Arguments{};
    // Empty: the folder ApplicationFolderFor gives for ProgramPath.
    std::string ApplicationFolder{};
    // A preview of the window (telvora-tool shot) leaves the 7-Zip library and
    // the user's desktop shortcut alone.
    bool WriteDesktopFiles = true;
};

// The status text an update start shows.
inline constexpr std::string_view kUpdatePendingStatus = "请稍后正在更新数据.";
// The last status report of an update that failed after the restart.
inline constexpr std::string_view kUpdateFailedStatus = "更新失败，原有节目单已保留。";
// Added after the count text when the whole working folder holds no channel.
inline constexpr std::string_view kNoCatalogueStatus = "暂无节目单，请点击“更新电视节目”下载。";
// Followed by the data folder, once the catalogue beside the program was copied
// there.
inline constexpr std::string_view kDataFolderStatus = "节目单数据现保存在 ";

class TForm1 : public fw::TForm {
    FW_CLASS(TForm1, fw::TForm)

    explicit TForm1(fw::TComponent* owner);

    // Set before the window is created; FormCreate reads it.
    static void SetProgramStart(TProgramStart start);

    // The application folder FormCreate settled on, with a trailing slash.
    const std::string& ApplicationFolder() const { return FApplicationFolder; }

    // Sets status panel 0 to message, then appends the panel's text to the
    // schedule view.
    void ReportStatus(std::string_view message);

    fw::TImage* Image1 = nullptr;
    fw::TLabel* Label5 = nullptr;
    fw::TButton* Button3 = nullptr;
    fw::TStatusBar* SB = nullptr;
    fw::TPageControl* PageControl1 = nullptr;
    fw::TTabSheet* TabSheet1 = nullptr;
    fw::TListBox* TVList = nullptr;
    fw::TMemo* TVListBox = nullptr;
    fw::TComboBox* ComboBox_Class = nullptr;
    fw::TTabSheet* TabSheet2 = nullptr;
    fw::TMemo* Memo1 = nullptr;
    fw::TButton* LoadData = nullptr;
    fw::TListBox* filepathList = nullptr;
    fw::TListBox* TVFilepathList = nullptr;
    fw::TButton* Button1 = nullptr;
    fw::TButton* Button_UpDate = nullptr;
    fw::TProgressBar* ProgressBar1 = nullptr;
    fw::TPageControl* PageControl2 = nullptr;
    fw::TTabSheet* TabSheet4 = nullptr;
    fw::TEdit* Edit_Url = nullptr;
    fw::TEdit* Edit_SaveFile = nullptr;
    fw::TButton* Button_Download = nullptr;
    fw::TButton* Button_URAR = nullptr;
    fw::TButton* Button_R = nullptr;
    fw::TEdit* Edit_Ver = nullptr;
    fw::TButton* Button2 = nullptr;
    skin::TSkinData* SkinData1 = nullptr;
    TNetHTTP* NetHTTP1 = nullptr;
    TNetAntiFreeze* NetAntiFreeze1 = nullptr;
    fw::TTimer* Timer_Load = nullptr;
    fw::TTimer* Timer1 = nullptr;

    void FormCreate(fw::TObject* Sender);
    void Button3Click(fw::TObject* Sender);
    void Button2Click(fw::TObject* Sender);
    void Button1Click(fw::TObject* Sender);
    void Image1Click(fw::TObject* Sender);
    void LoadDataClick(fw::TObject* Sender);
    void ComboBox_ClassChange(fw::TObject* Sender);
    void TVListClick(fw::TObject* Sender);
    void Button_RClick(fw::TObject* Sender);
    void Timer1Timer(fw::TObject* Sender);
    void Button_UpDateClick(fw::TObject* Sender);
    void Button_DownloadClick(fw::TObject* Sender);
    void NetHTTP1WorkBegin(fw::TObject* ASender, TWorkMode AWorkMode, std::int64_t AWorkCountMax);
    void NetHTTP1Work(fw::TObject* ASender, TWorkMode AWorkMode, std::int64_t AWorkCount);
    void NetHTTP1WorkEnd(fw::TObject* ASender, TWorkMode AWorkMode);
    void Timer_LoadTimer(fw::TObject* Sender);
    void Button_URARClick(fw::TObject* Sender);

    // The connectivity probes of the update: a network interface is up; a real
    // connection to the probe address can be made (the window keeps painting
    // while it is tried).
    bool IsOnline();
    bool CanReachProbeSite();

    // The address CanReachProbeSite connects to.
    const std::string& ProbeUrl() const { return FProbeUrl; }

protected:
    void CreateWnd() override;

private:
    // Where an update stands; a step that finds the update busy elsewhere does
    // nothing, so one update runs at a time.
    enum class TUpdateStep { Idle, Waiting, Downloading, Unpacking };

    // The download step's work after the checks; false when it stopped with a
    // status report.
    bool DownloadAndSavePackage();
    // Reloads the list and reports that the old catalogue stayed.
    void FailUpdate();
    std::string SavePath() const;
    void ReportRestartFailure(std::intptr_t shellResult);
    // The start mode's steps; false when writing the 7-Zip library failed (the
    // error box has been shown).
    bool WriteArchiveLibrary();
    // The catalogue beside a program whose data live elsewhere; true when copied.
    bool CopyCatalogueToDataFolder();
    void StartNormally(const TProgramStart& start);
    void ShowOnAir(const catalogue::ViewLine& line);

    std::string FApplicationFolder;
    std::string FProgramPath;
    std::string FProbeUrl;
    TUpdateStep FUpdateStep = TUpdateStep::Idle;
    // The count of the package's own transfer so far: only its end reports.
    std::int64_t FTransferred = 0;
};
