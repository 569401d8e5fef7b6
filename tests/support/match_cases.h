// File names against pattern lists, with the expected verdict. Shared by the
// native test and the test against the real sorted list box, so a verdict
// never depends on the order of the items. Shift_JIS bytes are written as
// escapes: 表 95 5C, ア 83 41, あ 82 A0, い 82 A2, Ａ 82 60, ａ 82 81. Names
// with characters outside code page 932 follow, as UTF-16.
#pragma once
#include <string>
#include <vector>

struct MatchCase {
    std::vector<std::string> items;
    const char* name; // Shift_JIS bytes
    bool expected;
};

struct WideMatchCase {
    std::vector<std::string> items;
    const char16_t* name;
    bool expected;
};

inline const std::vector<MatchCase> kMatchCases = {
    // Plain item: only the whole extension, in any case.
    {{".tmp"}, "a.tmp", true},
    {{".tmp"}, "A.TMP", true},
    {{".tmp"}, "a.tmpx", false},
    {{".tmp"}, "a.tm", false},
    {{".tmp"}, "tmp", false},
    {{".tmp"}, "a.tmp.bak", false},
    {{".zip", ".bak"}, "x.bak", true},
    {{".profile"}, ".profile", true},
    {{"."}, "x.", true},
    // Items loaded from the list file keep their case: only the whole-item
    // test ignores it, the "*" and "?" tests do not.
    {{".TMP"}, "a.tmp", true},
    {{".TMP"}, "a.TmP", true},
    {{".T*"}, "a.tmp", false},
    {{".T*"}, "a.TMP", false},
    {{".B?K"}, "x.bak", false},
    // "?" stands for one byte; at the end of the pattern also for nothing.
    {{".b?k"}, "x.bak", true},
    {{".b?k"}, "x.BAK", true},
    {{".b?k"}, "x.bk", false},
    {{".b?k"}, "x.baak", false},
    {{".b?k?"}, "x.bak", true},
    {{".b?k?"}, "x.baks", true},
    {{".b?k?"}, "x.ba", false},
    {{".??"}, "x.ab", true},
    {{".??"}, "x.a", true},
    {{".??"}, "x.", true},
    {{".??"}, "x.abc", false},
    {{".??"}, "x", false},
    {{"?"}, "Makefile", true},
    {{"?"}, "x.a", false},
    // "*" compares what precedes it; whatever follows plays no part.
    {{".t*"}, "x.t", true},
    {{".t*"}, "x.tmp", true},
    {{".t*"}, "x.TXT", true},
    {{".t*"}, "x.a", false},
    {{".t*"}, "x", false},
    {{".t*p"}, "x.t", true},
    {{".t*p"}, "x.txt", true},
    {{".t*p"}, "x.a", false},
    {{".*"}, "a.b", true},
    {{".*"}, ".profile", true},
    {{".*"}, "x.", true},
    {{".*"}, "Makefile", false},
    {{"*"}, "Makefile", true},
    {{"*"}, "a.tmp", true},
    // A "?" before the first "*" selects nothing; after it, nothing changes.
    {{".t?*"}, "x.t", false},
    {{".t?*"}, "x.tx", false},
    {{".t?*"}, "x.tmp", false},
    {{".t*?"}, "x.t", true},
    {{".t*?"}, "x.tmp", true},
    {{".t*?"}, "x.a", false},
    // The extension starts at the last ".".
    {{".tar"}, "archive.tar.gz", false},
    {{".tar.gz"}, "archive.tar.gz", false},
    {{".gz"}, "archive.tar.gz", true},
    // The "?" test of one item leaves the extension as it was for the next.
    {{".?ab", ".x*"}, "f.xyz", true},
    {{".?ab"}, "f.xyz", false},
    // Empty list.
    {{}, "a.tmp", false},
    {{}, "Makefile", false},
    // An empty item (a blank line of the list file) selects nothing, not
    // every name without extension.
    {{""}, "Makefile", false},
    {{""}, "a.tmp", false},
    {{"", ".tmp"}, "Makefile", false},
    {{"", ".tmp"}, "a.tmp", true},
    // 表 ends in the byte 0x5C, which is no separator and no letter.
    {{".\x95\x5C"}, "x.\x95\x5C", true},
    {{".\x95\x5C"}, "\x95\x5C", false},
    {{".tmp"}, "\x95\x5C.tmp", true},
    {{".\x95\x5C*"}, "x.\x95\x5C\x95\x5C", true},
    {{".\x95?"}, "x.\x95\x5C", true},
    // "?" stands for one byte of a double-byte character, not the character.
    {{".?"}, "x.\x82\xA0", false},
    {{".??"}, "x.\x82\xA0", true},
    {{".\x82?"}, "x.\x82\xA2", true},
    {{".\x82?"}, "x.\x83\x41", false},
    // Full-width letters: Ｔ 82 73, Ｍ 82 6C, Ｐ 82 6F; ｔ 82 94, ｍ 82 8D, ｐ 82 90.
    {{".\x82\x94\x82\x8D\x82\x90"}, "x.\x82\x73\x82\x6C\x82\x6F", true},
    {{".\x82\x73\x82\x6C\x82\x6F"}, "x.\x82\x94\x82\x8D\x82\x90", true},
    {{".\x82\x94*"}, "x.\x82\x73\x82\x6C\x82\x6F", true},
    {{".\x82\x73*"}, "x.\x82\x73\x82\x6C\x82\x6F", false},
    {{".\x82\x94??"}, "x.\x82\x73\x82\x6C", true},
    // Only letter case is ignored, on every system: ｔｍｐ, データ (83 66 81 5B 83 5E)
    // and ﾃﾞｰﾀ (C3 DE B0 C0), あ and ア each stay apart.
    {{".tmp"}, "x.\x82\x94\x82\x8D\x82\x90", false},
    {{".\x82\x94\x82\x8D\x82\x90"}, "x.TMP", false},
    {{".\x83\x66\x81\x5B\x83\x5E"}, "x.\xC3\xDE\xB0\xC0", false},
    {{".\xC3\xDE\xB0\xC0"}, "x.\x83\x66\x81\x5B\x83\x5E", false},
    {{".\xC3\xDE\xB0\xC0"}, "x.\xC3\xDE\xB0\xC0", true},
    {{".\x82\xA0"}, "x.\x83\x41", false},
    // ア (83 41) has a trail byte in the A-Z range, which is never lowered.
    {{".\x83\x41"}, "x.\x83\x41", true},
    {{".\x83\x61"}, "x.\x83\x41", false},
    {{".\x83\x61*"}, "x.\x83\x41", false},
    {{".\x83?"}, "x.\x83\x41", true},
};

// The rest of a name plays no part, whatever characters it holds; an extension
// with a character that has no byte form is matched by its leading bytes alone,
// and only by a "*": never by a look-alike, never by a "?".
inline const std::vector<WideMatchCase> kWideMatchCases = {
    {{".tmp"}, u"caf\u00E9.tmp", true},
    {{".tmp"}, u"\uD55C.tmp", true},
    {{".tmp"}, u"\U0001F600.tmp", true},
    {{".tmp"}, u"\u03A9mega.TMP", true},
    {{".tmp"}, u"\u65E5\u672C.tmp", true},
    {{".tmp"}, u"caf\u00E9.txt", false},
    {{".tmp", ".b?k"}, u"\uD55C", false},
    {{"*"}, u"\uD55C", true},
    // Extensions without a whole byte form.
    {{".t*"}, u"x.t\uD55C", true},
    {{".t*"}, u"x.\uD55Ct", false},
    {{".*"}, u"x.\u00E9", true},
    {{"*"}, u"x.\U0001F600", true},
    {{".e"}, u"x.\u00E9", false},
    {{".e*"}, u"x.\u00E9", false},
    {{".?"}, u"x.\u00E9", false},
    {{".t?"}, u"x.t\uD55C", false},
    {{".t??"}, u"x.t\U0001F600", false},
    {{".t??*"}, u"x.t\uD55C", false},
    {{".tmp"}, u"x.tmp\u00E9", false},
    {{".tmp*"}, u"x.tmp\u00E9", true},
    {{".TMP"}, u"x.tmp\u00E9", false},
    // A lone surrogate is no character at all.
    {{".t*"}, u"x.t\xD800", true},
    {{".t?"}, u"x.t\xD800", false},
};
