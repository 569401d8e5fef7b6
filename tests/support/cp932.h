// Code page 932 as the platform reports it, for the native tests of the
// window-free rules.
#pragma once
#include "toolkit/code_page.h"

// Lead bytes 0x81-0x9F and 0xE0-0xFC; lower-cases ASCII A-Z and full-width
// Ａ-Ｚ and never touches a trail byte.
extern const CodePage kCp932;
