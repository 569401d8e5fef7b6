// The folder chooser, the subfolder option and the two delete commands.
#include "app/main.h"

#include "platform/file_system.h"
#include "platform/shell.h"
#include "search/findunit.h"
#include "toolkit/application.h"

void TAutoTavrix::opSubfolderUpdate(TAction& sender) {
    sender.SetEnabled(FolderExists(Edit1.WideText()));
}

void TAutoTavrix::opSubfolderExecute(TAction& sender) { sender.SetChecked(!sender.Checked()); }

void TAutoTavrix::cmBitbacketUpdate(TAction& sender) {
    sender.SetEnabled(FolderExists(Edit1.WideText()) && ListBox1.Count() > 0);
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
    // The found list is the request's path list as it stands: nothing is copied.
    ShellDeleteFiles(Handle(), FoundFiles->Joined(), Permanent);
}
