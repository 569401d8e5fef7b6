// Real folder trees for the search tests, and a search source that watches
// the walk through the main window.
#pragma once
#include "app/main.h"
#include "search/search_dialog.h"
#include "scratch_tree.h"
#include "support/app_fixture.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// What the dialog showed when the walk asked something of its source.
struct WalkMoment {
    std::string asked; // "subfolders" or the file name being matched (ANSI)
    std::string folder, status, count;
};

// The main window as the search source, recording every question of the walk
// with the dialog's labels at that moment; `onMatch` lets a test act while
// the walk is inside a folder.
class WatchingSource : public TSearchSource {
public:
    explicit WatchingSource(TAutoTavrix& main) : main_(main) {}

    std::u16string StartFolder() const override;
    bool SubfoldersOn() const override;
    bool Matches(const char16_t* name) const override;
    TFoundFiles& Found() override { return main_.Found(); }

    TSearchDlg* dialog = nullptr;
    std::function<void(const std::string& name)> onMatch; // the name as ANSI text
    std::function<void()> onSubfolder;
    mutable int startReads = 0;
    mutable DWORD firstStartTick = 0; // GetTickCount() at the first StartFolder
    mutable std::vector<WalkMoment> moments;

private:
    void Record(const std::string& asked) const;
    TAutoTavrix& main_;
};

// The main window started for each case, with a source watching it.
class WatchingFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<WatchingSource> source;
};

// Runs one walk of `start` on a fresh dialog at once, without the modal show and
// its start delay, with the patterns and the option set on the main window; the
// dialog's modal result.
int WalkNow(TApplication& app, TAutoTavrix& main, WatchingSource& source, const std::string& start,
            bool subfolders, const std::vector<std::string>& patterns);

// Every path of the main window's FoundFiles, in order, as ANSI text (for names
// within the code page) or exactly as found.
std::vector<std::string> FoundPaths(TAutoTavrix& main);
std::vector<std::u16string> FoundWidePaths(TAutoTavrix& main);
std::vector<std::string> Sorted(std::vector<std::string> paths);

// Runs `action` once, at the moment a window of this thread is given a text that
// ends in `tail`: a test acts in the middle of a walk that the real command runs,
// when the dialog shows that folder.
class WhenTextShown {
public:
    WhenTextShown(std::u16string tail, std::function<void()> action);
    ~WhenTextShown();
    WhenTextShown(const WhenTextShown&) = delete;
    WhenTextShown& operator=(const WhenTextShown&) = delete;
    bool Fired() const { return fired_; }

private:
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam);

    std::u16string tail_;
    std::function<void()> action_;
    HHOOK hook_;
    bool fired_ = false;
};

// Input that presses the dialog's cancel, posted so that the event loop meets it later.
enum class CancelInput { ButtonClick, Escape, CloseBox, Enter, Space, AltC };
const char* InputName(CancelInput input);
void PostCancel(TSearchDlg& dialog, CancelInput input);
