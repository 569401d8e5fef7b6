#include "platform/console.h"

#include "base/utf8.h"
#include "platform/shift_jis.h"

#include <windows.h>

namespace {

HANDLE StdHandle(StdStream stream) {
    const DWORD which = stream == StdStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE) return handle;
    // Nothing inherited: the console of the program that started this one, if any.
    // The handle opened for it lives as long as the process.
    static const HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return INVALID_HANDLE_VALUE;
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }();
    return console;
}

} // namespace

void WriteStd(StdStream stream, std::u16string_view text) {
    const HANDLE handle = StdHandle(stream);
    if (handle == INVALID_HANDLE_VALUE || text.empty()) return;
    DWORD mode = 0, done = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, AsWide(text.data()), static_cast<DWORD>(text.size()), &done, nullptr);
        return;
    }
    const std::string bytes = Utf8Of(text);
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
}
