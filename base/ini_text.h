// The text of an INI file, read and changed the way the platform's profile functions
// read and write it, but on the file's own bytes, so that Shift_JIS values stay
// exact on any code page: section and key names compared without letter case,
// blanks around names and values ignored, one pair of quotes around a value dropped.
#pragma once
#include "base/code_page.h"

#include <optional>
#include <string>
#include <string_view>

// The value of the first such key in the first such section; nothing without one.
std::optional<std::string> IniValue(std::string_view file, std::string_view section,
                                    std::string_view key, const CodePage& codePage);

// The file with the key set to the value (blanks around it dropped): its line
// replaced, or a line added after the section's last entry, or the section added
// at the end. Every other byte stays; new lines end in CR LF.
std::string IniWithValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value, const CodePage& codePage);

// Whether a value set with IniWithValue reads back as it was: the file's rules drop
// blanks at either end and one pair of quotes around it, and a line end ends it.
bool IniKeepsValue(std::string_view value);

// The file without the key's line; the same bytes when there is none.
std::string IniWithoutKey(std::string_view file, std::string_view section, std::string_view key,
                          const CodePage& codePage);
