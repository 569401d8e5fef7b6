// The real tavrix.exe run from the command line, as a scheduled task or a batch file
// runs it: what it lists and deletes, its output, its exit codes, and settings that
// stay exactly as they were.
#include "search_support.h"
#include "support/app_fixture.h"
#include "scratch_tree.h"

#include "app/size_text.h"
#include "platform/file_system.h"
#include "search/file_age.h"
#include "search/shell_request.h"
#include "platform/shift_jis.h"
#include "platform/scoped.h"

#include "base/utf8.h"

#include <algorithm>
#include <cstdio>

namespace {

struct ProgramRun {
    DWORD exitCode = 0xFFFF;
    std::u16string out, err;
};

std::u16string FromUtf8(const std::string& bytes) {
    if (bytes.empty()) return std::u16string();
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::u16string text(static_cast<std::size_t>(size), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                        reinterpret_cast<wchar_t*>(&text[0]), size);
    return text;
}

// The program beside the tests' build folder: build/<preset>/tavrix.exe.
std::u16string ProgramPath() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::u16string path = AsUtf16(self);
    for (int up = 0; up < 3; ++up)
        path.erase(path.rfind(u'\\'));
    return path + u"\\tavrix.exe";
}

std::u16string Quoted(const std::u16string& arg) { return u"\"" + arg + u"\""; }

// A file for a child's output, inherited by it.
HANDLE InheritedFile(const std::u16string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(AsWide(path.c_str()), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_TEMPORARY, nullptr);
}

std::string ContentOf(HANDLE file) {
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    return bytes;
}

// The command line tavrix.exe is started with: every argument quoted.
std::u16string CommandLineOf(const std::vector<std::u16string>& args) {
    std::u16string line = Quoted(ProgramPath());
    for (const std::u16string& arg : args)
        line += u" " + Quoted(arg);
    return line;
}

PROCESS_INFORMATION Start(std::u16string line, HANDLE out, HANDLE err) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(&line[0]), nullptr, nullptr, TRUE, 0,
                        nullptr, nullptr, &startup, &process))
        ADD_FAILURE() << "cannot start tavrix.exe: " << GetLastError();
    return process;
}

// tavrix.exe started with the arguments, its output and errors going into files named
// after `tag`, so that runs may go on side by side.
class StartedProgram {
public:
    StartedProgram(const std::vector<std::u16string>& args, const ScratchTree& scratch,
                   const std::u16string& tag = u"std")
        : out_(InheritedFile(scratch.WidePath(tag + u"out.txt"))),
          err_(InheritedFile(scratch.WidePath(tag + u"err.txt"))),
          process_(Start(CommandLineOf(args), out_.Get(), err_.Get())), thread_(process_.hThread),
          child_(process_.hProcess) {}

    // Waits for it to end.
    ProgramRun Wait() {
        ProgramRun run;
        if (!child_.Valid()) return run;
        if (WaitForSingleObject(child_.Get(), 120000) != WAIT_OBJECT_0) {
            TerminateProcess(child_.Get(), 99);
            ADD_FAILURE() << "tavrix.exe did not end";
        }
        GetExitCodeProcess(child_.Get(), &run.exitCode);
        run.out = FromUtf8(ContentOf(out_.Get()));
        run.err = FromUtf8(ContentOf(err_.Get()));
        return run;
    }

private:
    FileHandle out_, err_;
    PROCESS_INFORMATION process_;
    FileHandle thread_, child_;
};

ProgramRun RunProgram(const std::vector<std::u16string>& args, const ScratchTree& scratch) {
    return StartedProgram(args, scratch).Wait();
}

std::vector<std::u16string> Lines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
    return lines;
}

bool Contains(const std::u16string& text, const char* ansi) {
    return text.find(SjisToUtf16(ansi)) != std::u16string::npos;
}

// The paths of the files that stayed, each listed on standard error with a reason
// after a tab, in the order listed.
std::vector<std::u16string> StayedPaths(const std::u16string& err) {
    std::vector<std::u16string> paths;
    for (const std::u16string& line : Lines(err)) {
        const std::size_t tab = line.find(u'\t');
        EXPECT_TRUE(tab != std::u16string::npos && tab + 1 < line.size()) << "with its reason";
        paths.push_back(line.substr(0, tab));
    }
    return paths;
}

// A tree of Japanese names, names outside code page 932, hidden and upper-case
// files; what the patterns below select and what they leave.
const std::u16string kSelected[] = {u"a.tmp",
                                    u"B.TMP",
                                    u"\u8868\u793A.BAK",
                                    u"caf\u00E9.tmp",
                                    u"\uD55C.tmp",
                                    u"x.t\uD55C",
                                    u".hidden.tmp",
                                    u"sub\\\u65E5\u672C.tmp",
                                    u"sub\\deep\\\U0001F600.b1k"};
const std::u16string kKept[] = {u"c.doc",
                                u"Makefile",
                                u"caf\u00E9.doc",
                                u"x.q\uD55C",
                                u"cafe.tmp\\keep.doc",
                                u"sub\\d.bk",
                                u"x.\uFF54\uFF4D\uFF50"};
const std::vector<std::string> kPatterns = {".tmp", ".b?k", ".t*"};

class Unattended : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        for (const char16_t* folder : {u"cafe.tmp", u"sub", u"sub\\deep"})
            tree.WideFolder(folder);
        for (const std::u16string& name : kSelected)
            tree.WideFile(name);
        for (const std::u16string& name : kKept)
            tree.WideFile(name);
        SetFileAttributesW(AsWide(tree.WidePath(u".hidden.tmp").c_str()), FILE_ATTRIBUTE_HIDDEN);
    }
    // Saved settings as the window leaves them, kept to compare byte for byte.
    void SaveSettings(const std::string& folder, bool subfolders,
                      const std::vector<std::string>& patterns) {
        listPath = ListPath();
        iniPath = IniPath();
        std::string list;
        for (const std::string& p : patterns)
            list += p + "\r\n";
        WriteBytes(listPath, list);
        WriteBytes(iniPath, "[Location]\r\nLeft=10\r\n[Last]\r\nFolder=" + folder +
                                "\r\nSubFolder=" + (subfolders ? "1" : "0") + "\r\n");
        savedList = ReadBytes(listPath);
        savedIni = ReadBytes(iniPath);
    }
    void ExpectSettingsUnchanged() {
        EXPECT_EQ(ReadBytes(listPath), savedList);
        EXPECT_EQ(ReadBytes(iniPath), savedIni);
    }
    void ExpectTreeIntact() {
        for (const std::u16string& name : kSelected)
            EXPECT_TRUE(PathExists(tree.WidePath(name))) << Utf16ToSjis(name);
        for (const std::u16string& name : kKept)
            EXPECT_TRUE(PathExists(tree.WidePath(name))) << Utf16ToSjis(name);
    }
    std::vector<std::u16string> SelectedPaths() const {
        std::vector<std::u16string> paths;
        for (const std::u16string& name : kSelected)
            paths.push_back(tree.WidePath(name));
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    ScratchTree tree, scratch;
    std::string listPath, iniPath, savedList, savedIni;
};

TEST_F(Unattended, ListIsTheWindowsSelectionInWalkOrder) {
    SaveSettings(tree.Path(), true, kPatterns);
    const ProgramRun run = RunProgram({u"/list"}, scratch);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.err.empty());
    ExpectTreeIntact();
    ExpectSettingsUnchanged();

    // The window, started on the same settings, walks the same folder.
    Start();
    WatchingSource source(*main);
    WalkNow(*app, *main, source, tree.Path(), true, kPatterns);
    EXPECT_EQ(Lines(run.out), FoundWidePaths(*main));
    std::vector<std::u16string> listed = Lines(run.out);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, SelectedPaths());
    Discard();
}

TEST_F(Unattended, OverridesApplyToThisRunOnly) {
    SaveSettings("C:\\nowhere", false, {".none"});
    const ProgramRun run = RunProgram(
        {u"/list", u"/folder", SjisToUtf16(tree.Path()), u"/pattern", u"TMP", u"/subfolders"},
        scratch);
    EXPECT_EQ(run.exitCode, 0u);
    std::vector<std::u16string> listed = Lines(run.out);
    std::sort(listed.begin(), listed.end());
    const std::u16string expected[] = {tree.WidePath(u".hidden.tmp"),
                                       tree.WidePath(u"B.TMP"),
                                       tree.WidePath(u"a.tmp"),
                                       tree.WidePath(u"caf\u00E9.tmp"),
                                       tree.WidePath(u"sub\\\u65E5\u672C.tmp"),
                                       tree.WidePath(u"\uD55C.tmp")};
    std::vector<std::u16string> want(std::begin(expected), std::end(expected));
    std::sort(want.begin(), want.end());
    EXPECT_EQ(listed, want);
    ExpectSettingsUnchanged();

    // /nosubfolders and a folder of any characters.
    tree.WideFolder(u"\uD55C\uAD6D");
    tree.WideFile(u"\uD55C\uAD6D\\z.tmp");
    const ProgramRun inside = RunProgram({u"/list", u"/folder", tree.WidePath(u"\uD55C\uAD6D"),
                                          u"/pattern", u".tmp", u"/nosubfolders"},
                                         scratch);
    EXPECT_EQ(inside.exitCode, 0u);
    EXPECT_EQ(Lines(inside.out),
              std::vector<std::u16string>{tree.WidePath(u"\uD55C\uAD6D\\z.tmp")});
}

TEST_F(Unattended, DeleteAndTrashTakeExactlyTheSelection) {
    SaveSettings(tree.Path(), true, kPatterns);
    std::vector<int> trashedBefore;
    for (const std::u16string& name : kSelected)
        trashedBefore.push_back(
            TrashedCount("/" + TrashInfoName(name.substr(name.rfind(u'\\') + 1))));
    const ProgramRun trash = RunProgram({u"/trash"}, scratch);
    EXPECT_EQ(trash.exitCode, 0u);
    EXPECT_TRUE(Contains(trash.out, "ゴミ箱へ入れました: 9 件 (0 バイト)、残り: 0 件"))
        << Utf16ToSjis(trash.out);
    EXPECT_TRUE(trash.err.empty());
    for (std::size_t i = 0; i < std::size(kSelected); ++i) {
        const std::u16string& name = kSelected[i];
        SCOPED_TRACE(Utf16ToSjis(name));
        EXPECT_FALSE(PathExists(tree.WidePath(name)));
        EXPECT_EQ(TrashedCount("/" + TrashInfoName(name.substr(name.rfind(u'\\') + 1))),
                  trashedBefore[i] + 1);
    }
    for (const std::u16string& name : kKept)
        EXPECT_TRUE(PathExists(tree.WidePath(name))) << Utf16ToSjis(name);

    tree.WideFile(u"again.tmp");
    tree.WideFile(u"sub\\again.BAK");
    const std::size_t trashed = TrashedPaths().size();
    const ProgramRun burn = RunProgram({u"/delete"}, scratch);
    EXPECT_EQ(burn.exitCode, 0u);
    EXPECT_TRUE(Contains(burn.out, "削除しました: 2 件 (0 バイト)、残り: 0 件"))
        << Utf16ToSjis(burn.out);
    EXPECT_FALSE(PathExists(tree.WidePath(u"again.tmp")));
    EXPECT_FALSE(PathExists(tree.WidePath(u"sub\\again.BAK")));
    EXPECT_EQ(TrashedPaths().size(), trashed) << "nothing more in the recycle bin";
    for (const std::u16string& name : kKept)
        EXPECT_TRUE(PathExists(tree.WidePath(name))) << Utf16ToSjis(name);
    ExpectSettingsUnchanged();
}

// Every exit code, each bad input with a message that names it, and nothing deleted.
TEST_F(Unattended, BadInputIsNamedAndDeletesNothing) {
    SaveSettings(tree.Path(), true, kPatterns);
    tree.WideFile(u"plain-file");
    const std::u16string folder = SjisToUtf16(tree.Path());
    using namespace std::string_literals;
    WriteBytes(scratch / "utf16.txt", "\xFF\xFE\\\0\\\0"s);
    WriteBytes(scratch / "sjis.txt", tree / "\x95\x5C.tmp");
    const std::u16string list = SjisToUtf16(scratch / "utf16.txt");
    const struct {
        std::vector<std::u16string> args;
        DWORD exitCode;
        const char* says;        // in the output for /?, in the errors otherwise
        bool aboutAFile = false; // a file named on the command line, without the usage
    } cases[] = {
        {{u"/?"}, 0, "使い方"},
        {{u"/folder", folder}, 1, "/list、/trash、/delete"},
        {{u"/delete", u"/recurse"}, 1, "/recurse: 知らないオプションです"},
        {{u"/delete", u"/folder"}, 1, "/folder: 値がありません"},
        {{u"/delete", u"/pattern"}, 1, "/pattern: 値がありません"},
        {{u"/delete", u"/pattern", u""}, 1, "拡張子が空です"},
        {{u"/delete", u"/pattern", u"."}, 1, "拡張子が空です"},
        {{u"/delete", u"/pattern", u".t\uD55C"}, 1, "使えない文字"},
        {{u"/delete", u"/trash"}, 1, "動作は一つだけ"},
        {{u"/delete", u"/subfolders", u"/nosubfolders"}, 1, "一緒に指定できません"},
        {{u"/delete", u"/folder", u"work"}, 1, "絶対パス"},
        {{u"/delete", u"/folder", u"\\\\?\\" + folder}, 1, "で始まるパスは使えません"},
        {{u"/delete", u"/olderthan", u"-1"}, 1, "/olderthan \"-1\": 日数は 0 から 36500"},
        {{u"/delete", u"/olderthan", u"1", u"/olderthan", u"1"}, 1, "/olderthan は一度だけ"},
        {{u"/delete", u"/fromlist", list, u"/fromlist", list}, 1, "/fromlist は一度だけ"},
        {{u"/delete", u"/fromlist", list + u"x"}, 1, "一覧を読めません", true},
        {{u"/delete", u"/fromlist", list}, 1, "UTF-16 で保存された一覧です", true},
        {{u"/delete", u"/fromlist", SjisToUtf16(scratch / "sjis.txt")},
         1,
         "一覧が UTF-8 ではありません",
         true},
        {{u"/delete", u"/log", folder}, 1, "ファイルではありません", true},
        {{u"/delete", u"/log", u"NUL"}, 1, "ファイルではありません", true},
        {{u"/delete", u"/log", folder + u"\\gone\\x.log"}, 1, "ログを開けません", true},
        {{u"/delete", u"/folder", folder + u"\\gone"}, 2, "フォルダーがありません"},
        {{u"/delete", u"/folder", tree.WidePath(u"plain-file")}, 2, "フォルダーではありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const ProgramRun run = RunProgram(c.args, scratch);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(Contains(c.exitCode == 0 ? run.out : run.err, c.says))
            << Utf16ToSjis(run.out) << Utf16ToSjis(run.err);
        if (c.exitCode == 1) {
            EXPECT_NE(Contains(run.err, "使い方"), c.aboutAFile) << "with the usage";
        }
        ExpectTreeIntact();
        ExpectSettingsUnchanged();
    }

    // An empty pattern list, saved: nothing to do.
    SaveSettings(tree.Path(), true, {});
    const ProgramRun empty = RunProgram({u"/delete"}, scratch);
    EXPECT_EQ(empty.exitCode, 2u);
    EXPECT_TRUE(Contains(empty.err, "拡張子の一覧が空です"));
    ExpectTreeIntact();
    ExpectSettingsUnchanged();
}

// The saved folder exactly as the window kept it, on any code page: ソ ends in the
// byte 0x5C, café is kept in UTF-8; never the look-alike beside either.
TEST_F(Unattended, SavedFolderIsTheExactOne) {
    const struct {
        std::u16string folder, lookAlike;
        std::string last;
    } cases[] = {
        {u"\u30BD", u"\u0192", "Folder=" + (tree / "ソ")},
        {u"caf\u00E9", u"cafe", "Folder=\r\nFolderUtf8=" + (tree / "caf%C3%A9")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last);
        for (const std::u16string& folder : {c.folder, c.lookAlike}) {
            tree.WideFolder(folder);
            tree.WideFile(folder + u"\\x.tmp");
        }
        WriteBytes(ListPath(), ".tmp\r\n");
        WriteBytes(IniPath(), "[Last]\r\n" + c.last + "\r\nSubFolder=0\r\n");
        const ProgramRun run = RunProgram({u"/list"}, scratch);
        EXPECT_EQ(run.exitCode, 0u) << Utf16ToSjis(run.err);
        EXPECT_EQ(Lines(run.out),
                  std::vector<std::u16string>{tree.WidePath(c.folder + u"\\x.tmp")});
    }
    // Kept by the window from a box that held a relative folder: a scheduled run
    // would take it relative to System32.
    WriteBytes(IniPath(), "[Last]\r\nFolder=work\r\n");
    const ProgramRun relative = RunProgram({u"/delete"}, scratch);
    EXPECT_EQ(relative.exitCode, 2u);
    EXPECT_TRUE(Contains(relative.err, "絶対パスではありません")) << Utf16ToSjis(relative.err);
}

// A saved folder is taken whole or not at all: a NUL would cut it to its parent, and
// a reader that stopped at 2,047 characters listed the parent's files.
TEST_F(Unattended, SavedFolderIsTakenWholeOrNotAtAll) {
    tree.WideFolder(u"A");
    tree.WideFile(u"A\\a.tmp");
    // Folders of 150 characters, the last one of what is left.
    std::u16string deep = u"long";
    tree.WideFolder(deep);
    for (std::size_t left; (left = 2054 - tree.WidePath(deep).size()) > 0;) {
        deep += u"\\" + std::u16string(left > 201 ? 150 : left - 1, u'd');
        tree.WideFolder(deep);
    }
    tree.WideFile(deep + u"\\in.tmp");
    tree.WideFile(deep.substr(0, deep.rfind(u'\\')) + u"\\parent.tmp");
    ASSERT_EQ(tree.WidePath(deep).size(), 2054u);
    WriteBytes(ListPath(), ".tmp\r\n");
    const struct {
        std::string last;
        DWORD exitCode;
        std::vector<std::u16string> listed;
    } cases[] = {
        {"FolderUtf8=" + tree.Path() + "%00\\A", 2, {}},
        {"Folder=" + tree.Path() + std::string(1, '\0') + "\\A", 2, {}},
        {"Folder=" + Utf16ToSjis(tree.WidePath(deep)), 0, {tree.WidePath(deep + u"\\in.tmp")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last.substr(0, 80));
        WriteBytes(IniPath(), "[Last]\r\n" + c.last + "\r\nSubFolder=1\r\n");
        const ProgramRun run = RunProgram({u"/list"}, scratch);
        EXPECT_EQ(run.exitCode, c.exitCode) << Utf16ToSjis(run.err);
        EXPECT_EQ(Lines(run.out), c.listed);
        if (c.exitCode == 2) {
            EXPECT_EQ(run.err, SjisToUtf16(IniPath() + ": 保存されたフォルダーを正しく読めません "
                                                       "(/folder で指定してください)\r\n"));
        }
    }
}

// A file that cannot go to the recycle bin stays where it is and is reported:
// never destroyed instead, never asked about.
TEST_F(Unattended, WhatTheRecycleBinCannotTakeStaysAndIsReported) {
    SaveSettings(tree.Path(), false, {".tmp"});
    WriteBytes(tree / "a.tmp", "what stays frees nothing");
    const std::string trash = TrashFolder();
    const std::string saved = trash + ".saved";
    RemoveTree(saved);
    MoveFileA(trash.c_str(), saved.c_str());
    WriteBytes(trash, "not a folder");
    // Everything on the command line: this Wine cannot tell the settings folder while
    // its trash is broken like this.
    const ProgramRun run = RunProgram(
        {u"/trash", u"/folder", SjisToUtf16(tree.Path()), u"/pattern", u".tmp", u"/nosubfolders"},
        scratch);
    DeleteFileA(trash.c_str());
    MoveFileA(saved.c_str(), trash.c_str());

    EXPECT_EQ(run.exitCode, 3u);
    ExpectTreeIntact();
    EXPECT_TRUE(Contains(run.out, "ゴミ箱へ入れました: 0 件 (0 バイト)、残り: 5 件"))
        << Utf16ToSjis(run.out);
    std::vector<std::u16string> left = StayedPaths(run.err);
    std::sort(left.begin(), left.end());
    std::vector<std::u16string> expected;
    for (const char16_t* name :
         {u"a.tmp", u"B.TMP", u"caf\u00E9.tmp", u"\uD55C.tmp", u".hidden.tmp"})
        expected.push_back(tree.WidePath(name));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
    ExpectSettingsUnchanged();
}

// Beside each name the plain form would rewrite, the name it would turn into: the
// first three are selected but cannot go to the shell, the next two go.
const char16_t* const kSiblingTree[] = {u"k.",         u"a.b ", u"sub.\\g.tmp", u"p.tmp",
                                        u"sub\\h.tmp", u"k",    u"a.b\\in.txt"};

std::vector<std::u16string> Sorted(std::vector<std::u16string> paths) {
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<std::u16string> Under(const ScratchTree& at, std::size_t from, std::size_t to) {
    std::vector<std::u16string> paths;
    for (std::size_t i = from; i < to; ++i)
        paths.push_back(at.WidePath(kSiblingTree[i]));
    return Sorted(paths);
}

TEST_F(Unattended, NamesEndingInADotOrASpaceAreListedExactlyAndStayWithTheirSiblings) {
    ScratchTree siblings, again;
    for (const ScratchTree* at : {&siblings, &again}) {
        for (const char16_t* folder : {u"sub.", u"sub", u"a.b"})
            at->WideFolder(folder);
        for (const char16_t* name : kSiblingTree)
            at->WideFile(name);
    }
    // Every file is there but the two that could go.
    const auto expectStayed = [](const ScratchTree& at) {
        for (std::size_t i = 0; i < std::size(kSiblingTree); ++i)
            EXPECT_EQ(PathExists(at.WidePath(kSiblingTree[i])), i < 3 || i > 4)
                << Utf16ToSjis(kSiblingTree[i]);
    };
    std::vector<std::u16string> args = {u"/list", u"/folder", SjisToUtf16(siblings.Path()),
                                        u"/subfolders"};
    for (const char16_t* pattern : {u".?", u".b ", u".tmp"})
        args.insert(args.end(), {u"/pattern", pattern});
    EXPECT_EQ(Sorted(Lines(RunProgram(args, scratch).out)), Under(siblings, 0, 5));
    const ProgramRun inside = RunProgram(
        {u"/trash", u"/folder", siblings.WidePath(u"sub."), u"/nosubfolders", u"/pattern", u".tmp"},
        scratch);
    EXPECT_EQ(inside.exitCode, 3u);
    EXPECT_EQ(StayedPaths(inside.err), Under(siblings, 2, 3));
    args[0] = u"/delete";
    const ProgramRun burn = RunProgram(args, scratch);
    EXPECT_EQ(burn.exitCode, 3u);
    EXPECT_TRUE(Contains(burn.out, "削除しました: 2 件 (0 バイト)、残り: 3 件"))
        << Utf16ToSjis(burn.out);
    EXPECT_EQ(Sorted(StayedPaths(burn.err)), Under(siblings, 0, 3));
    expectStayed(siblings);

    // The window's ゴミ箱へ over the same tree afresh: one message, owned by the window.
    Start();
    main->Edit1.SetText(again.Path());
    for (const char* pattern : {".?", ".b ", ".tmp"})
        main->ListBox1.Add(pattern);
    main->opSubfolder->SetChecked(true);
    Pump();
    const auto boxes = BoxesDuring([this] { Click(main->Button4.Handle()); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("3 個のファイルはシェルに正しく渡せないため、ゴミ箱へ入れずに"),
              std::string::npos)
        << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("末尾がピリオドか空白の名前: 3 個"), std::string::npos);
    EXPECT_EQ(boxes[0].owner, main->Handle());
    expectStayed(again);
    Discard();
}

// The first step takes what /olderthan 7 selects, the second all that is left. Each
// size doubles the one before, so that every selection sums to a total of its own.
TEST_F(Unattended, OlderThanSelectsAlikeInEveryActionAndTheSummarySumsTheSizes) {
    const struct {
        const char* name;
        int daysAgo; // below 0: in the future
        std::size_t step;
    } files[] = {
        {"0.tmp", 0, 1}, {"6.tmp", 6, 1}, {"8.tmp", 8, 0}, {"400.bak", 400, 0}, {"in2.tmp", -2, 1}};
    ScratchTree dated;
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    const std::uint64_t now = std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
    for (std::size_t i = 0; i < std::size(files); ++i) {
        WriteBytes(dated / files[i].name, std::string(16u << i, 'x'));
        const std::uint64_t at =
            now - files[i].daysAgo * static_cast<std::int64_t>(kFileTimePerDay);
        time = {static_cast<DWORD>(at), static_cast<DWORD>(at >> 32)};
        FileHandle file(CreateFileW(Wide(dated / files[i].name).c_str(), FILE_WRITE_ATTRIBUTES, 0,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &time));
    }
    for (std::size_t step = 0; step < 2; ++step) {
        std::vector<std::u16string> args = {
            u"/list",    u"/olderthan", step ? u"0" : u"7", u"/folder", SjisToUtf16(dated.Path()),
            u"/pattern", u".tmp",       u"/pattern",        u".bak",    u"/summary"};
        std::vector<std::u16string> taken;
        std::uint64_t bytes = 0;
        for (std::size_t i = 0; i < std::size(files); ++i) {
            if (files[i].step != step) continue;
            taken.push_back(SjisToUtf16(dated / files[i].name));
            bytes += 16u << i;
        }
        const std::string sum = std::to_string(taken.size()) + " 件 (" + SizeText(bytes) + ")";
        const ProgramRun list = RunProgram(args, scratch);
        EXPECT_EQ(Sorted(Lines(list.out)), Sorted(taken));
        EXPECT_EQ(list.err, SjisToUtf16("対象のファイル: " + sum + "\r\n"));

        args[0] = step ? u"/delete" : u"/trash";
        const ProgramRun run = RunProgram(args, scratch);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(run.out, SjisToUtf16((step ? "削除しました: " : "ゴミ箱へ入れました: ") + sum +
                                       "、残り: 0 件\r\n"));
        for (const auto& f : files)
            EXPECT_EQ(PathExists(dated / f.name), f.step > step) << f.name;
    }
}

// Beside a file that goes, one named like a device and one whose plain path is too
// long for the shell: both stay, each with its reason, and the rest of the request is
// made. The folder is given with "/"; every path found has "\".
TEST_F(Unattended, PathsTheShellCannotTakeStayWithTheirReasonsAndTheRestGoes) {
    const std::u16string deep(200, u'd');
    const std::u16string deeper = deep + u"\\" + deep, deepest = deeper + u"\\" + deep;
    const std::u16string names[] = {u"a.tmp", u"aux.tmp", deepest + u"\\x.tmp"};
    const auto slashed = [](const ScratchTree& at) {
        std::u16string path = SjisToUtf16(at.Path());
        std::replace(path.begin(), path.end(), u'\\', u'/');
        return path;
    };
    const auto expectOnlyFirstGone = [&names](const ScratchTree& at) {
        for (const std::u16string& name : names)
            EXPECT_EQ(PathExists(at.WidePath(name)), name != names[0]) << Utf16ToSjis(name);
    };
    ScratchTree burnt, again;
    for (const ScratchTree* at : {&burnt, &again}) {
        for (const std::u16string& folder : {deep, deeper, deepest})
            at->WideFolder(folder);
        for (const std::u16string& name : names)
            at->WideFile(name);
    }
    const ProgramRun run = RunProgram(
        {u"/delete", u"/folder", slashed(burnt), u"/subfolders", u"/pattern", u".tmp"}, scratch);
    EXPECT_EQ(run.exitCode, 3u);
    EXPECT_TRUE(Contains(run.out, "削除しました: 1 件 (0 バイト)、残り: 2 件"))
        << Utf16ToSjis(run.out);
    const std::u16string tab = u"\t";
    EXPECT_EQ(
        Sorted(Lines(run.err)),
        Sorted(
            {burnt.WidePath(names[1]) + tab + SjisToUtf16(HeldBackText(HeldBackReason::DeviceName)),
             burnt.WidePath(names[2]) + tab + SjisToUtf16(HeldBackText(HeldBackReason::TooLong))}));
    expectOnlyFirstGone(burnt);

    // The window's 削除 over the same tree afresh, the folder typed with "/": one message.
    Start();
    main->Edit1.SetWideText(slashed(again));
    main->ListBox1.Add(".tmp");
    main->opSubfolder->SetChecked(true);
    Pump();
    const auto boxes = BoxesDuring([this] { Click(main->Button5.Handle()); });
    ASSERT_EQ(boxes.size(), 1u);
    for (const std::string& says :
         {std::string("2 個のファイルはシェルに正しく渡せないため、削除せずに残しました"),
          HeldBackText(HeldBackReason::DeviceName) + std::string(": 1 個"),
          HeldBackText(HeldBackReason::TooLong) + std::string(": 1 個")})
        EXPECT_NE(boxes[0].text.find(says), std::string::npos) << boxes[0].text;
    expectOnlyFirstGone(again);
    Discard();
}

// A share, which Wine serves from the prefix's dosdevices\unc: a run into the recycle
// bin cannot prove it to be on a local fixed disk (Windows calls it a network drive,
// Wine cannot tell its volume), so its file stays with that reason, never destroyed
// for want of a bin; deleting for good takes it.
TEST_F(Unattended, RecycleBinRunsHoldBackWhatIsNotOnALocalFixedDisk) {
    ScratchTree shared;
    shared.File("a.tmp");
    char prefix[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH), 0u);
    const std::string shares = std::string(prefix) + "/dosdevices/unc/localhost";
    const std::u16string share = u"\\\\localhost\\" + SjisToUtf16(NameOf(shared.Path()));
    const std::u16string file = share + u"\\a.tmp";
    ASSERT_TRUE(RunUnix("Z:\\bin\\sh -c \"mkdir -p '" + shares + "' && ln -s '" +
                            UnixPath(shared.Path()) + "' '" + shares + "/" + NameOf(shared.Path()) +
                            "'\"",
                        [&file] { return PathExists(file); }));

    std::vector<std::u16string> args = {u"/trash", u"/folder", share, u"/pattern", u".tmp"};
    const ProgramRun trash = RunProgram(args, scratch);
    EXPECT_EQ(trash.exitCode, 3u);
    EXPECT_EQ(trash.err,
              file + u"\t" + SjisToUtf16(HeldBackText(HeldBackReason::NoRecycleBin)) + u"\r\n");
    EXPECT_TRUE(PathExists(file));

    args[0] = u"/delete";
    const ProgramRun burn = RunProgram(args, scratch);
    EXPECT_EQ(burn.exitCode, 0u) << Utf16ToSjis(burn.err);
    EXPECT_FALSE(PathExists(file));
}

// The lines of a log, after the mark that starts a new one: UTF-8 with CR LF.
std::vector<std::u16string> LogLines(const std::string& bytes) {
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    return Lines(FromUtf8(bytes.substr(3)));
}

// Whether the log's "開始: 2026-12-09T23:45:40+09:00" names, to the second, a moment
// between `before` and `after` (FILETIME counts, UTC).
bool StartedBetween(const std::u16string& line, std::uint64_t before, std::uint64_t after) {
    SYSTEMTIME local{};
    int hours = 0, minutes = 0;
    char sign = 0;
    FILETIME time;
    if (std::sscanf(Utf16ToSjis(line).c_str(), "開始: %hu-%hu-%huT%hu:%hu:%hu%c%d:%d", &local.wYear,
                    &local.wMonth, &local.wDay, &local.wHour, &local.wMinute, &local.wSecond, &sign,
                    &hours, &minutes) != 9 ||
        !SystemTimeToFileTime(&local, &time))
        return false;
    const std::int64_t offset = (sign == '-' ? -1 : 1) * (hours * 60 + minutes) * 600000000ll;
    const std::uint64_t at =
        (std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime) - offset;
    return at >= before - before % 10000000 && at <= after;
}

std::uint64_t NowCount() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return std::uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime;
}

std::u16string Labelled(const char* label, const std::u16string& text) {
    return SjisToUtf16(label) + text;
}

// A block's lines after its start time, for a run over the tree with kPatterns.
std::vector<std::u16string> BlockAfterStart(const std::vector<std::u16string>& args,
                                            const ScratchTree& tree, const std::u16string& options,
                                            const char* label,
                                            const std::vector<std::u16string>& taken,
                                            const std::vector<std::u16string>& more) {
    std::vector<std::u16string> lines = {Labelled("コマンド: ", CommandLineOf(args)),
                                         Labelled("フォルダー: ", SjisToUtf16(tree.Path())),
                                         SjisToUtf16("拡張子: .tmp .b?k .t*"),
                                         Labelled("オプション: ", options)};
    for (const std::u16string& path : taken)
        lines.push_back(Labelled(label, path));
    lines.insert(lines.end(), more.begin(), more.end());
    lines.push_back(u"");
    return lines;
}

std::vector<std::u16string> WithTree(const ScratchTree& tree, std::vector<std::u16string> args) {
    args.insert(args.end(), {u"/folder", SjisToUtf16(tree.Path())});
    for (const std::string& pattern : kPatterns)
        args.insert(args.end(), {u"/pattern", SjisToUtf16(pattern)});
    return args;
}

// What a person does between a preview and the clean-up: the list saved, one line taken
// out, a file that is not selected and one that is gone added in an editor; meanwhile a
// new file turns up. Only what the list still names and the run selects goes.
TEST_F(Unattended, FromListTakesWhatTheEditedListStillNamesAndTheLogTellsFileByFile) {
    std::vector<std::u16string> plan =
        Lines(RunProgram(WithTree(tree, {u"/list", u"/subfolders"}), scratch).out);
    ASSERT_EQ(plan.size(), std::size(kSelected));
    plan.erase(std::find(plan.begin(), plan.end(), tree.WidePath(u"a.tmp")));
    const std::u16string added[] = {tree.WidePath(u"c.doc"), tree.WidePath(u"gone.tmp")};
    // As an editor saves it: a mark, a blank line, no end after the last line.
    std::string text = "\xEF\xBB\xBF";
    for (const std::u16string& path : plan)
        text += Utf8Of(path) + "\r\n";
    WriteBytes(scratch / "plan.txt", text + "\r\n" + Utf8Of(added[0]) + "\n" + Utf8Of(added[1]));
    tree.WideFile(u"fresh.tmp");

    const std::u16string log = SjisToUtf16(scratch / "run.log"),
                         planPath = SjisToUtf16(scratch / "plan.txt");
    const std::vector<std::u16string> args =
        WithTree(tree, {u"/trash", u"/subfolders", u"/fromlist", planPath, u"/log", log});
    const std::uint64_t before = NowCount();
    const ProgramRun run = RunProgram(args, scratch);
    const std::uint64_t after = NowCount();
    const std::u16string summary = SjisToUtf16("ゴミ箱へ入れました: 8 件 (0 バイト)、残り: 0 件");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.out, summary + u"\r\n");
    std::vector<std::u16string> skipped;
    for (const std::u16string& path : added)
        skipped.push_back(Labelled("一覧にあるが対象外: \"", path + u"\""));
    EXPECT_EQ(Lines(run.err), skipped);
    for (const std::u16string& name : kSelected)
        EXPECT_EQ(PathExists(tree.WidePath(name)), name == u"a.tmp") << Utf16ToSjis(name);
    for (const std::u16string& name : kKept)
        EXPECT_TRUE(PathExists(tree.WidePath(name))) << Utf16ToSjis(name);
    EXPECT_TRUE(PathExists(tree.WidePath(u"fresh.tmp")));

    const std::string first = ReadBytes(scratch / "run.log");
    std::vector<std::u16string> block = LogLines(first);
    ASSERT_FALSE(block.empty());
    EXPECT_TRUE(StartedBetween(block[0], before, after)) << Utf16ToSjis(block[0]);
    skipped.insert(skipped.end(), {Labelled("結果: ", summary), SjisToUtf16("終了コード: 0")});
    EXPECT_EQ(std::vector<std::u16string>(block.begin() + 1, block.end()),
              BlockAfterStart(args, tree, u"/subfolders /fromlist \"" + planPath + u"\"",
                              "ゴミ箱へ: ", plan, skipped));

    // A usage error after /log is kept too, after the block before, which stays as it was.
    const std::vector<std::u16string> wrong = {u"/log", log, u"/delete", u"/bogus"};
    EXPECT_EQ(RunProgram(wrong, scratch).exitCode, 1u);
    const std::string both = ReadBytes(scratch / "run.log");
    EXPECT_EQ(both.substr(0, first.size()), first);
    block = Lines(FromUtf8(both.substr(first.size())));
    ASSERT_EQ(block.size(), 5u);
    EXPECT_EQ(std::vector<std::u16string>(block.begin() + 1, block.end()),
              (std::vector<std::u16string>{Labelled("コマンド: ", CommandLineOf(wrong)),
                                           SjisToUtf16("結果: /bogus: 知らないオプションです"),
                                           SjisToUtf16("終了コード: 1"), u""}));
    EXPECT_TRUE(PathExists(tree.WidePath(u"a.tmp")));
}

// Two runs at the same moment on one log: each block whole, one after the other.
TEST_F(Unattended, TwoRunsAtOnceEachAppendTheirWholeBlock) {
    const std::u16string log = SjisToUtf16(scratch / "both.log");
    const std::vector<std::u16string> args[] = {
        WithTree(tree, {u"/list", u"/log", log, u"/subfolders"}),
        WithTree(tree, {u"/list", u"/log", log, u"/nosubfolders"})};
    StartedProgram deep(args[0], scratch, u"deep"), flat(args[1], scratch, u"flat");
    const ProgramRun runs[] = {deep.Wait(), flat.Wait()};

    std::vector<std::vector<std::u16string>> blocks(1);
    for (const std::u16string& line : LogLines(ReadBytes(scratch / "both.log"))) {
        if (line.find(SjisToUtf16("開始: ")) == 0 && !blocks.back().empty()) blocks.emplace_back();
        blocks.back().push_back(line);
    }
    ASSERT_EQ(blocks.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const std::vector<std::u16string> taken = Lines(runs[i].out);
        const bool deepFirst = blocks[0][1] == Labelled("コマンド: ", CommandLineOf(args[0]));
        const std::vector<std::u16string>& block = blocks[deepFirst ? i : 1 - i];
        EXPECT_EQ(runs[i].exitCode, 0u);
        EXPECT_EQ(
            std::vector<std::u16string>(block.begin() + 1, block.end()),
            BlockAfterStart(
                args[i], tree, i ? u"/nosubfolders" : u"/subfolders", "対象: ", taken,
                {Labelled("結果: ", SjisToUtf16("対象のファイル: " + std::to_string(taken.size()) +
                                                " 件 (0 バイト)")),
                 SjisToUtf16("終了コード: 0")}));
    }
}

} // namespace
