// The scoped owners of Win32 resources: each gives back what it holds on every path,
// and nothing else in the program releases these kinds of handles by hand.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// A kernel handle closed with `Close` (FindClose for a find handle, CloseHandle for
// a file). Close reports whether the handle closed cleanly, which matters for a file
// whose last bytes are written then.
template <BOOL(WINAPI* CloseFunction)(HANDLE)> class KernelHandle {
public:
    explicit KernelHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~KernelHandle() { Close(); }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!Valid()) return true;
        const bool closed = CloseFunction(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

using FindHandle = KernelHandle<FindClose>;
using FileHandle = KernelHandle<CloseHandle>;
using ThreadHandle = KernelHandle<CloseHandle>;

// A block the system allocated for the caller to free with LocalFree.
template <typename T> class LocalBlock {
public:
    explicit LocalBlock(T* block) : block_(block) {}
    ~LocalBlock() {
        if (block_) LocalFree(block_);
    }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;

    T* Get() const { return block_; }

private:
    T* block_;
};

// A COM interface pointer, released on every path.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    // Where a call that hands out the interface puts it; empty before.
    T** Put() { return &p_; }
    void** PutVoid() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

// Deletes the GDI object (a font, a region) it holds, unless given away.
template <typename H> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(H handle) : handle_(handle) {}
    GdiObject(GdiObject&& o) noexcept : handle_(std::exchange(o.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        Reset(std::exchange(o.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }

    H Get() const { return handle_; }
    void Reset(H handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }
    // Hands the object to whoever took it over (a window its region); nothing to delete.
    H Release() { return std::exchange(handle_, nullptr); }

private:
    H handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;

// A drawing surface with one font selected, restored on scope exit: the screen's
// (released again) or a window's paint pass (ended again).
class DrawingSurface {
public:
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    HDC Get() const { return dc_; }
    // Pixel size of a text in the selected font; 0 x 0 when the surface failed.
    SIZE TextSize(const std::u16string& text) const {
        SIZE size{0, 0};
        if (dc_)
            GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.data()),
                                  static_cast<int>(text.size()), &size);
        return size;
    }

protected:
    explicit DrawingSurface(HDC dc) : dc_(dc) {}
    ~DrawingSurface() = default;
    void Select(HFONT font) {
        if (dc_ && font) old_ = SelectObject(dc_, font);
    }
    void Unselect() {
        if (dc_ && old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

class ScreenDC : public DrawingSurface {
public:
    explicit ScreenDC(HFONT font = nullptr) : DrawingSurface(GetDC(nullptr)) { Select(font); }
    ~ScreenDC() {
        Unselect();
        if (Get()) ReleaseDC(nullptr, Get());
    }
};

class PaintSurface : public DrawingSurface {
public:
    PaintSurface(HWND hwnd, HFONT font) : PaintSurface(hwnd, PAINTSTRUCT{}, font) {}
    ~PaintSurface() {
        Unselect();
        EndPaint(hwnd_, &paint_);
    }

private:
    // The base comes first, so BeginPaint fills the parameter that the member then keeps.
    PaintSurface(HWND hwnd, PAINTSTRUCT paint, HFONT font)
        : DrawingSurface(BeginPaint(hwnd, &paint)), hwnd_(hwnd), paint_(paint) {
        Select(font);
    }
    HWND hwnd_;
    PAINTSTRUCT paint_;
};

// A window's screen updates suspended, then resumed with a full repaint.
class RedrawSuspended {
public:
    explicit RedrawSuspended(HWND window) : window_(window) {
        SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawSuspended() {
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    HWND window_;
};

// COM on this thread, apartment-threaded, as the shell's folder chooser and its
// ShellExecute ask of their caller, from construction to destruction.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// The visible, enabled top-level windows of this thread (but `except`) disabled,
// and enabled again on every path, as around a modal window.
class DisabledThreadWindows {
public:
    explicit DisabledThreadWindows(HWND except = nullptr);
    ~DisabledThreadWindows();
    DisabledThreadWindows(const DisabledThreadWindows&) = delete;
    DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;

private:
    std::vector<HWND> windows_;
};
