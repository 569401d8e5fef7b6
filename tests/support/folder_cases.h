// Folders as the box or the chooser gives them, in UTF-16, and what the settings
// file keeps of each: "Folder" (Shift_JIS bytes as escapes) or "FolderUtf8". Shared
// by the native test and the test against the real code page 932, so the stand-in
// and the platform must agree. Names that best fit would change are the point:
// ¥ (U+00A5) would become the separator 0x5C, the wave dash (U+301C) the full-width
// tilde (81 60), é a plain e.
#pragma once
#include <string>

struct FolderCase {
    const char16_t* folder;
    const char* sjis; // "Folder"
    const char* utf8; // "FolderUtf8", nullptr when not kept
};

inline const FolderCase kFolderCases[] = {
    {u"", "", nullptr},
    {u"D:\\work", "D:\\work", nullptr},
    // 表 and ソ end in the byte 0x5C; the full-width tilde has its own bytes.
    {u"C:\\\u8868\\\u30BD\u30D5\u30C8 1", "C:\\\x95\x5C\\\x83\x5C\x83\x74\x83\x67 1", nullptr},
    {u"C:\\x\uFF5E", "C:\\x\x81\x60", nullptr},
    {u"C:\\x\u301C", "", "C:\\x%E3%80%9C"},
    {u"C:\\caf\u00E9", "", "C:\\caf%C3%A9"},
    {u"C:\\a\u00A5b", "", "C:\\a%C2%A5b"},
    {u"C:\\\uD55C\\\U0001F600", "", "C:\\%ED%95%9C\\%F0%9F%98%80"},
    // A lone half of a surrogate pair, as a name on disk may hold one.
    {u"C:\\\xD800x", "", "C:\\%ED%A0%80x"},
    // What the settings file's rules would change: blanks at either end, quotes around.
    {u"C:\\sub ", "", "C:\\sub%20"},
    {u"'C:\\x'", "", "%27C:\\x%27"},
    {u"C:\\100%", "C:\\100%", nullptr},
};
