// The folder chooser, the subfolder option and the two delete commands.
#include "app/main.h"

#include "platform/file_system.h"
#include "platform/shell.h"
#include "search/findunit.h"
#include "search/shell_request.h"
#include "platform/shift_jis.h"
#include "toolkit/application.h"

#include <map>

namespace {

// The one message of a delete: how many files the shell's request could not take,
// so that they were left where they are, and how many for each reason.
void ReportHeldBack(HWND owner, const std::u16string& title,
                    const std::vector<HeldBackPath>& heldBack, bool permanent) {
    std::map<HeldBackReason, std::size_t> counts;
    for (const HeldBackPath& held : heldBack)
        ++counts[held.reason];
    std::string text =
        std::to_string(heldBack.size()) + " 個のファイルはシェルに正しく渡せないため、" +
        (permanent ? "削除せずに残しました。" : "ゴミ箱へ入れずに残しました。") + "\r\n";
    for (const auto& [reason, count] : counts)
        text += "\r\n" + std::string(HeldBackText(reason)) + ": " + std::to_string(count) + " 個";
    MessageBoxW(owner, AsWide(SjisToUtf16(text).c_str()), AsWide(title.c_str()),
                MB_OK | MB_ICONWARNING);
}

} // namespace

void TAutoTavrix::opSubfolderUpdate(TAction& sender) {
    sender.SetEnabled(folderWatch_->Exists(StartFolder()));
}

void TAutoTavrix::opSubfolderExecute(TAction& sender) { sender.SetChecked(!sender.Checked()); }

void TAutoTavrix::cmBitbacketUpdate(TAction& sender) {
    sender.SetEnabled(folderWatch_->Exists(StartFolder()) && ListBox1.Count() > 0);
    // cmBurn has no update of its own: it always follows this one.
    cmBurn->SetEnabled(sender.Enabled());
}

void TAutoTavrix::cmFolderExecute(TAction&) {
    std::u16string path;
    if (ChooseFolder(Application().Handle(), "ディレクトリーの参照", path)) Edit1.SetWideText(path);
}

void TAutoTavrix::cmBitbacketExecute(TAction&) { RunDeleteCommand(false); }

void TAutoTavrix::cmBurnExecute(TAction&) { RunDeleteCommand(true); }

void TAutoTavrix::RunDeleteCommand(bool permanent) {
    TSearchDlg& dialog = AddOwned(std::make_unique<TSearchDlg>(Application(), *this, *this));
    int result = mrNone;
    try {
        result = dialog.ShowModal();
    } catch (...) {
        dialog.Release();
        throw;
    }
    // Destroyed when the event loop next runs, possibly during the shell's request.
    dialog.Release();
    if (result == mrOk) DeleteFoundFiles(permanent);
}

void TAutoTavrix::DeleteFoundFiles(bool Permanent) {
    if (FoundFiles->Empty()) return;
    const TShellRequest request(*FoundFiles);
    ShellDeleteFiles(Handle(), request.Paths(), Permanent);
    if (!request.HeldBack().empty())
        ReportHeldBack(Handle(), Application().Title(), request.HeldBack(), Permanent);
}
