// How the settings files hold what they keep: the pattern list file's lines, and
// the last folder in the settings file.
#pragma once
#include "base/code_page.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of "extentions.lst", bytes as they are. Reading stops at the first NUL;
// CR LF, a lone CR and a lone LF each end a line; a last line without an end counts;
// empty lines stay as empty items. An empty file has no items.
std::vector<std::string> ParseListFile(std::string_view bytes);
// Every item followed by CR LF; no items give 0 bytes.
std::string FormatListFile(const std::vector<std::string>& items);

// The last folder as the settings file keeps it. "Folder" holds its exact form in
// the file's code page, as it always has, or nothing: a look-alike would name
// another folder. A folder without such a form (é, ¥, 한), or one that the file's
// rules would change (blanks at either end, quotes around it), is kept in
// "FolderUtf8" instead, as UTF-8 with every byte outside printable ASCII, and "%",
// "\"" and "'", as %XX.
struct SavedFolder {
    std::string folder;
    std::optional<std::string> utf8; // nothing: the key is not kept
};
SavedFolder SaveFolder(const std::u16string& folder, const CodePage& codePage);
// The folder from the two keys: "Folder" when it holds one, otherwise "FolderUtf8",
// empty when neither does. Nothing when the one that counts cannot be read whole:
// bytes that are no text, a broken escape, a NUL (which would cut the folder to
// another one).
std::optional<std::u16string> LoadFolder(const std::string& folder,
                                         const std::optional<std::string>& utf8,
                                         const CodePage& codePage);
