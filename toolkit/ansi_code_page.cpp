#include "toolkit/ansi_code_page.h"

#include <windows.h>

namespace {

bool IsLead(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

void Lower(char* text, std::size_t length) {
    if (length > 0) CharLowerBuffA(text, static_cast<DWORD>(length));
}

const CodePage kAnsi{IsLead, Lower};

} // namespace

const CodePage& AnsiCodePage() { return kAnsi; }
