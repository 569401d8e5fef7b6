// The process's ANSI code page (932 on the systems the tool is made for).
#pragma once
#include "toolkit/code_page.h"

const CodePage& AnsiCodePage();
