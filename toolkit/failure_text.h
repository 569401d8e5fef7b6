// Texts of the box that shows a failure no handler caught.
#pragma once
#include <string>

#include "toolkit/code_page.h"

// The executable's file name without its folder, up to its first ".", every
// character after the first lower-cased: "TAVRIX.EXE" gives "Tavrix".
std::string ApplicationTitle(const std::string& exeFileName, const CodePage& codePage);

// The message with "." appended when it is not empty and the first byte of its
// last character is above '.'.
std::string FailureBoxText(const std::string& message, const CodePage& codePage);
