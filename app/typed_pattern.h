// A pattern as a person gives it, typed into the editor or given to /pattern.
#pragma once
#include "base/code_page.h"

#include <optional>
#include <string>
#include <string_view>

// The pattern the text stands for: its exact bytes in the code page, "." in front
// unless it starts with one, lower-cased. Empty for "" and ".", which are no patterns.
// Nothing for a text with a character that has no such bytes (.é, .한): the list file
// could not hold it, and a look-alike would select other files.
std::optional<std::string> TypedPattern(std::u16string_view typed, const CodePage& codePage);
