// Separators of ANSI path text, where a trail byte 0x5C (表, ソ) is no separator.
#pragma once
#include <cstddef>
#include <string>

#include "toolkit/code_page.h"

// Index of the last "\" that is a character of its own, or npos.
std::size_t LastSeparator(const std::string& path, const CodePage& codePage);
// True when the last character is a "\" of its own.
bool EndsWithSeparator(const std::string& path, const CodePage& codePage);
