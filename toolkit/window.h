// Base of every window of ours: `this` is attached once at WM_NCCREATE, one
// virtual HandleMessage serves it, and no exception ever leaves the window procedure.
// Every window is a Unicode one, so what it shows and takes is exact on any code page.
#pragma once
#include <windows.h>

#include <string>

class TApplication;

class TWindow {
public:
    explicit TWindow(TApplication& app) : app_(app) {}
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    TApplication& Application() const { return app_; }

    // The object behind a window of one of our classes, or nullptr.
    static TWindow* FromHandle(HWND hwnd);

protected:
    // Registers a class served by WindowProc; `base` is the procedure of a system
    // class that the new class extends, or nullptr for DefWindowProc.
    static void RegisterClassOnce(const WNDCLASSEXW& cls);
    // A class of ours served by WindowProc, for the caller to complete and register.
    WNDCLASSEXW OwnClass(const wchar_t* name, UINT style = 0) const;
    // `text` is Shift_JIS.
    void CreateHandle(DWORD exStyle, const wchar_t* className, const std::string& text, DWORD style,
                      int x, int y, int width, int height, HWND parent, int id);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // What the window would do without us: the extended system class, or DefWindowProc.
    LRESULT DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam);
    void SetBaseProc(WNDPROC proc) { baseProc_ = proc; }
    // Destroys the window without telling this object (it is going away).
    void DestroyHandle();

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    TApplication& app_;
    HWND hwnd_ = nullptr;
    WNDPROC baseProc_ = nullptr;
};
