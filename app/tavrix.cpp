// Program entry: with no arguments the application, its one main window and the
// message loop; with arguments an unattended run without any window.
#include "app/main.h"
#include "app/unattended.h"
#include "platform/shell.h"
#include "platform/shift_jis.h"
#include "toolkit/application.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const std::vector<std::u16string> args = CommandLineArguments();
    if (!args.empty()) return RunUnattended(args);

    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        TApplication app(instance);
        TAutoTavrix mainWindow(app);
        ShowWindow(mainWindow.Handle(), SW_SHOWDEFAULT);
        return app.Run();
    } catch (const std::exception& e) {
        MessageBoxW(nullptr, AsWide(SjisToUtf16(e.what()).c_str()), L"tavrix",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
