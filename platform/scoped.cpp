#include "platform/scoped.h"

namespace {

struct DisableContext {
    HWND except;
    std::vector<HWND>* windows;
};

BOOL CALLBACK DisableOne(HWND hwnd, LPARAM param) {
    auto* ctx = reinterpret_cast<DisableContext*>(param);
    if (hwnd != ctx->except && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
        EnableWindow(hwnd, FALSE);
        ctx->windows->push_back(hwnd);
    }
    return TRUE;
}

} // namespace

DisabledThreadWindows::DisabledThreadWindows(HWND except) {
    DisableContext ctx{except, &windows_};
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&ctx));
}

DisabledThreadWindows::~DisabledThreadWindows() {
    for (HWND hwnd : windows_)
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
}
