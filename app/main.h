// The main window: folder field, subfolder option, pattern editor, the two
// delete commands and the footer, with the state the other windows share.
#pragma once
#include "app/settings.h"
#include "components/HtLabel.h"
#include "components/XPGroupBox.h"
#include "platform/folder_watch.h"
#include "search/found_files.h"
#include "search/search_source.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <memory>
#include <string>
#include <vector>

class TAutoTavrix : public TForm, public TSearchSource {
public:
    // Builds the window and its controls, then runs FormCreate. The folder in Edit1 is
    // looked for with `folderCheck`, never on the window's own thread.
    explicit TAutoTavrix(TApplication& app);
    TAutoTavrix(TApplication& app, TFolderWatch::Check folderCheck);
    ~TAutoTavrix() override;

    TControl Label1;
    TControl Bevel1;
    TEdit Edit1;
    TButton Button1;
    std::unique_ptr<TXPGroupBox> XPGroupBox1;
    TEdit Edit2;
    TListBox ListBox1;
    TButton Button2;
    TButton Button3;
    TButton CheckBox1;
    TButton Button4;
    TButton Button5;
    TControl Bevel2;
    TControl Label2;
    TControl Label3;
    TControl Label4;
    std::unique_ptr<THtLabel> HtLabel1;
    std::unique_ptr<THtLabel> HtLabel2;

    TAction* cmAdd = nullptr;
    TAction* cmDelete = nullptr;
    TAction* opSubfolder = nullptr;
    TAction* cmFolder = nullptr;
    TAction* cmBitbacket = nullptr;
    TAction* cmBurn = nullptr;

    // Per-user settings folder, without a final "\"; empty when it could not be found.
    std::u16string SettingsDir;
    // Full paths the last search selected, in walk order; lives from FormCreate to FormDestroy.
    std::unique_ptr<TFoundFiles> FoundFiles;

    void Edit2Change();
    void ListBox1Click();
    void cmAddExecute(TAction& sender);
    void cmAddUpdate(TAction& sender);
    void cmDeleteExecute(TAction& sender);
    void cmDeleteUpdate(TAction& sender);
    void opSubfolderExecute(TAction& sender);
    void opSubfolderUpdate(TAction& sender);
    void cmFolderExecute(TAction& sender);
    void cmBitbacketExecute(TAction& sender);
    void cmBitbacketUpdate(TAction& sender);
    void cmBurnExecute(TAction& sender);

    // Hands every found path to the shell in one delete request, but for those it
    // cannot take, which stay and are reported in one message with their reasons.
    void DeleteFoundFiles(bool Permanent);

    // What the search dialog reads of this window.
    std::u16string StartFolder() const override;
    bool SubfoldersOn() const override { return opSubfolder->Checked(); }
    bool Matches(const char16_t* name) const override;
    TFoundFiles& Found() override { return *FoundFiles; }

protected:
    void FormCreate();
    void FormClose() override;
    void FormDestroy() override;

private:
    void CreateControls();
    void CreateActions();
    void CreateFooter();
    void FillVersionLabel();
    // Lays the footer out from its texts as drawn; the window is never narrower than it needs.
    void PlaceFooter();
    void RunDeleteCommand(bool permanent);

    Font footerBold_;
    std::unique_ptr<TFolderWatch> folderWatch_;

    // FormCreate's settings steps, and FormClose's.
    void ReadSettings();
    void WriteSettings();
    void ShowPatterns(const std::vector<std::string>& patterns);
    // Adds an item to the sorted list; its index, or a failure when the list refuses it.
    int AddPattern(const std::string& pattern);
    std::vector<std::string> Patterns() const;
    // Whether the list file was read whole; anything else keeps it at close.
    PatternFile patternFile_ = PatternFile::Whole;
    // Lines of the list file that the list box cannot give back as they are (bytes
    // that are no Shift_JIS text): an item's data names its line here, plus one.
    std::vector<std::string> rawPatterns_;
};

// The application's single main window. Defined here, so that the search's one read
// of it (findunit.cpp) leaves the link below the program's own library.
inline TAutoTavrix* AutoTavrix = nullptr;
