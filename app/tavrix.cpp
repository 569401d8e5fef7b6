// Program entry: the application, its one main window, the message loop.
#include "app/main.h"
#include "toolkit/application.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        TApplication app(instance);
        TAutoTavrix mainWindow(app);
        ShowWindow(mainWindow.Handle(), SW_SHOWDEFAULT);
        return app.Run();
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "tavrix", MB_OK | MB_ICONERROR);
        return 1;
    }
}
