#include "toolkit/action.h"

#include "platform/shift_jis.h"

#include <algorithm>

void TAction::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    for (HWND c : controls_)
        EnableWindow(c, enabled);
}

void TAction::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    for (HWND c : controls_)
        Mirror(c);
}

void TAction::Bind(HWND control) {
    controls_.push_back(control);
    SetWindowTextW(control, AsWide(SjisToUtf16(caption_).c_str()));
    EnableWindow(control, enabled_);
    Mirror(control);
}

void TAction::Mirror(HWND control) const {
    const LONG style = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (style == BS_CHECKBOX || style == BS_AUTOCHECKBOX)
        SendMessageW(control, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(*this);
    return true;
}

bool TAction::Execute() {
    Update();
    if (!enabled_ || !OnExecute) return false;
    OnExecute(*this);
    return true;
}

TAction& TActionList::Add(std::unique_ptr<TAction> action) {
    actions_.push_back(std::move(action));
    return *actions_.back();
}

TAction* TActionList::Find(HWND control) const {
    for (const auto& a : actions_) {
        const auto& cs = a->Controls();
        if (std::find(cs.begin(), cs.end(), control) != cs.end()) return a.get();
    }
    return nullptr;
}

void TActionList::UpdateVisible() {
    for (const auto& a : actions_) {
        const auto& cs = a->Controls();
        if (std::any_of(cs.begin(), cs.end(), [](HWND c) { return IsWindowVisible(c) != FALSE; }))
            a->Update();
    }
}

bool TActionList::RunShortCut(WORD shortCut) {
    if (shortCut == 0) return false;
    for (const auto& a : actions_)
        if (a->ShortCut() == shortCut) return a->Execute();
    return false;
}

WORD ShortCutOf(WPARAM virtualKey) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (!ctrl || alt || shift) return 0;
    return static_cast<WORD>(0x4000 | (virtualKey & 0xFF));
}
