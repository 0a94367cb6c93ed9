#pragma once
// The main window: its controls as the definition creates them, window
// creation with the two start modes, the status report, and the commands of the
// channel browser, the web links and exit.

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

private:
    // The start mode's steps; false when writing the 7-Zip library failed (the
    // error box has been shown).
    bool WriteArchiveLibrary();
    void StartNormally(const TProgramStart& start);

    std::string FApplicationFolder;
};
