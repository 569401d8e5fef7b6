// Owners of GDI and user handles, so every path releases them.
#pragma once
#include <windows.h>

#include <string>
#include <utility>

// Deletes any GDI object (font, brush) it holds.
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

private:
    H handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

// A screen drawing surface with one font selected, restored and released on scope exit.
class ScreenDC {
public:
    explicit ScreenDC(HFONT font) : dc_(GetDC(nullptr)) {
        if (dc_ && font) old_ = SelectObject(dc_, font);
    }
    ~ScreenDC() {
        if (!dc_) return;
        if (old_) SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;

    HDC Get() const { return dc_; }
    // Pixel size of a text in the selected font; 0 x 0 when the surface failed.
    SIZE TextSize(const char* text, int length) const {
        SIZE size{0, 0};
        if (dc_) GetTextExtentPoint32A(dc_, text, length, &size);
        return size;
    }
    SIZE TextSize(const std::u16string& text) const {
        SIZE size{0, 0};
        if (dc_)
            GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.data()),
                                  static_cast<int>(text.size()), &size);
        return size;
    }

private:
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

// The design font: "ＭＳ Ｐゴシック", Shift_JIS character set, `height` pixels.
Font CreateDesignFont(int height, bool bold = false, bool underline = false);
