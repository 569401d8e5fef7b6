// UTF-8 for text that leaves the program (output, the settings file's "FolderUtf8"),
// exact for every UTF-16 name Windows allows: a lone half of a surrogate pair keeps
// a three-byte form of its own, as names on disk may hold one.
#pragma once
#include <optional>
#include <string>
#include <string_view>

std::string Utf8Of(std::u16string_view text);
// Nothing when the bytes are not such UTF-8 (a stray byte, a cut or overlong form).
std::optional<std::u16string> FromUtf8(std::string_view bytes);
