// The file-system and shell calls on the real platform: existence queries, the
// window's folder check on threads of its own, folder creation, whole-file reads, the
// replacing save, standard output to a console, and the shell's delete request into
// the freedesktop trash.
#include "support/app_fixture.h"
#include "platform/shift_jis.h"
#include "scratch_tree.h"

#include "base/utf8.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/folder_watch.h"
#include "platform/shell.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

namespace {

// "表" and "ソ" end in the byte 0x5C, which is not a separator there.
const std::string kHyou = "表";
const std::string kSo = "ソ";

// Names in a folder, "." and ".." left out.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(Wide(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = Utf16ToSjis(AsUtf16(data.cFileName));
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FolderExists, OnlyFoldersNamedByTheTextAsGiven) {
    ScratchTree temp;
    WriteBytes(temp / "file.txt", "x");
    CreateDirectoryW(Wide(temp / kHyou).c_str(), nullptr);
    const struct {
        std::string path;
        bool exists;
    } cases[] = {
        {"", false},
        {temp.Path(), true},
        {temp.Path() + "\\", true},
        {temp / kHyou, true},
        {temp / "file.txt", false},
        {temp / "missing", false},
        {temp / "*", false},
        {temp / "missing\\..\\" + kHyou, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FolderExists(SjisToUtf16(c.path)), c.exists);
    }
}

TEST(FileExists, OnlyFilesCount) {
    ScratchTree temp;
    WriteBytes(temp / "file.txt", "x");
    WriteBytes(temp / (kSo + ".lst"), "");
    CreateDirectoryW(Wide(temp / "folder.lst").c_str(), nullptr);
    const struct {
        std::string path;
        bool exists;
    } cases[] = {
        {"", false},
        {temp / "file.txt", true},
        {temp / (kSo + ".lst"), true},
        {temp / "folder.lst", false},
        {temp.Path(), false},
        {temp / "missing.txt", false},
        {temp / "*.txt", false},
        {temp / "file.tx?", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileExists(SjisToUtf16(c.path)), c.exists);
    }
}

TEST(ForceDirectories, CreatesEveryMissingParentAndSplitsOnlyAtWholeCharacters) {
    ScratchTree temp;
    const struct {
        std::string relative;
        std::string created; // the folder that must exist afterwards
    } cases[] = {
        {"a\\b\\c", "a\\b\\c"},
        {"d\\e\\", "d\\e"},
        {kHyou, kHyou},
        {kHyou + "\\" + kSo + "\\x", kHyou + "\\" + kSo + "\\x"},
        {kSo + kHyou + "\\", kSo + kHyou},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.relative);
        ForceDirectories(SjisToUtf16(temp / c.relative));
        EXPECT_TRUE(FolderExists(SjisToUtf16(temp / c.created)));
    }
    // Splitting at a trail byte would have made folders named by a lone lead byte.
    EXPECT_EQ(Names(temp.Path()), (std::vector<std::string>{"a", "d", kSo + kHyou, kHyou}));
    EXPECT_EQ(Names(temp / kHyou), std::vector<std::string>{kSo});
}

TEST(ForceDirectories, ExistingShortOrBlockedPathsAreLeftAlone) {
    ScratchTree temp;
    WriteBytes(temp / "file", "x");
    ForceDirectories(SjisToUtf16(temp.Path()));
    ForceDirectories(u"C:");
    ForceDirectories(u"");
    ForceDirectories(SjisToUtf16(temp / "file\\below"));
    EXPECT_EQ(ReadBytes(temp / "file"), "x");
    EXPECT_FALSE(PathExists(temp / "file\\below"));
    EXPECT_EQ(Names(temp.Path()), std::vector<std::string>{"file"});
}

TEST(ReadWholeFile, GivesEveryByte) {
    ScratchTree temp;
    const std::string samples[] = {
        "",
        std::string(".a\r\n\0.b\r\n", 9),
        kHyou + "\r" + kSo + "\n\xFC\xFC",
        std::string(200000, 'z') + "end",
    };
    for (const std::string& bytes : samples) {
        SCOPED_TRACE(bytes.size());
        WriteBytes(temp / "in.lst", bytes);
        std::string read = "stale";
        ASSERT_TRUE(ReadWholeFile(SjisToUtf16(temp / "in.lst"), read));
        EXPECT_EQ(read, bytes);
    }
}

TEST(ReadWholeFile, FailsWhereOthersMayWriteOrShareNothing) {
    ScratchTree temp;
    const std::string path = temp / "in.lst";
    WriteBytes(path, ".tmp\r\n");
    std::string read;
    EXPECT_FALSE(ReadWholeFile(SjisToUtf16(temp / "missing.lst"), read));
    EXPECT_FALSE(ReadWholeFile(SjisToUtf16(temp.Path()), read));
    {
        HeldFile reader(path, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(reader.Held());
        EXPECT_TRUE(ReadWholeFile(SjisToUtf16(path), read)) << "another reader does not stop us";
        EXPECT_EQ(read, ".tmp\r\n");
    }
    {
        HeldFile writer(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(writer.Held());
        EXPECT_FALSE(ReadWholeFile(SjisToUtf16(path), read)) << "we deny others writing";
    }
    {
        HeldFile exclusive(path, GENERIC_READ, 0);
        ASSERT_TRUE(exclusive.Held());
        EXPECT_FALSE(ReadWholeFile(SjisToUtf16(path), read));
    }
}

// A damaged settings file of any size must not take all the memory there is.
TEST(ReadWholeFile, RefusesAFileLargerThanAnySettingsFile) {
    ScratchTree temp;
    const std::string path = temp / "huge.lst";
    for (const std::uint64_t size : {kLargestWholeFile, kLargestWholeFile + 1}) {
        SCOPED_TRACE(size);
        {
            FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            LARGE_INTEGER end{};
            end.QuadPart = static_cast<LONGLONG>(size);
            ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) &&
                        SetEndOfFile(file.Get()));
        }
        std::string read;
        EXPECT_EQ(ReadWholeFile(SjisToUtf16(path), read, kLargestWholeFile),
                  size == kLargestWholeFile);
    }
}

TEST(ReplaceWholeFile, WritesNewAndExistingFilesExactly) {
    ScratchTree temp;
    const std::string path = temp / "out.lst";
    const std::string tempPath = temp / "out.lst.tmp";
    const std::string contents[] = {".bak\r\n.tmp\r\n", kHyou + "\r\n", "", "x"};
    for (const std::string& bytes : contents) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(ReplaceWholeFile(SjisToUtf16(path), bytes), SaveResult::Saved);
        EXPECT_EQ(ReadBytes(path), bytes);
        EXPECT_FALSE(PathExists(tempPath));
    }
}

TEST(ReplaceWholeFile, FailureLeavesThePreviousFileWhole) {
    ScratchTree temp;
    const std::string path = temp / "out.lst";
    const std::string tempPath = temp / "out.lst.tmp";
    const std::string old = ".old\r\n" + kHyou + "\r\n";

    WriteBytes(path, old);
    CreateDirectoryW(Wide(tempPath).c_str(), nullptr);
    EXPECT_EQ(ReplaceWholeFile(SjisToUtf16(path), ".new\r\n"), SaveResult::CannotCreate);
    EXPECT_EQ(ReadBytes(path), old);
    RemoveDirectoryW(Wide(tempPath).c_str());

    EXPECT_EQ(ReplaceWholeFile(SjisToUtf16(temp / "missing\\out.lst"), "x"),
              SaveResult::CannotCreate);
    EXPECT_FALSE(PathExists(temp / "missing"));

    {
        HeldFile locked(path, GENERIC_READ, 0);
        ASSERT_TRUE(locked.Held());
        EXPECT_EQ(ReplaceWholeFile(SjisToUtf16(path), ".new\r\n"), SaveResult::CannotCreate);
    }
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_FALSE(PathExists(tempPath)) << "the half-done save is cleaned away";

    CreateDirectoryW(Wide(temp / "dir.lst").c_str(), nullptr);
    EXPECT_EQ(ReplaceWholeFile(SjisToUtf16(temp / "dir.lst"), ".new\r\n"),
              SaveResult::CannotCreate);
    EXPECT_TRUE(FolderExists(SjisToUtf16(temp / "dir.lst")));
    EXPECT_FALSE(PathExists(temp / "dir.lst.tmp"));
}

TEST(AppDataFolder, NamesAnExistingFolderWithoutCreatingAnything) {
    const std::u16string folder = AppDataFolder(nullptr);
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(FolderExists(folder));
    EXPECT_EQ(folder.substr(1, 2), u":\\");
}

// Checks held up by shares that do not answer take every free check; the text asked
// about meanwhile waits, and the first check to end hands its place on to it: it is
// answered without being asked again.
TEST(FolderWatch, AWaitingTextIsCheckedAsSoonAsACheckEnds) {
    struct Held {
        std::mutex mutex;
        std::condition_variable changed;
        std::set<std::u16string> started, released;
        int ended = 0;
    };
    const auto held = std::make_shared<Held>();
    const auto release = [&held](const std::u16string& folder) {
        const std::lock_guard<std::mutex> lock(held->mutex);
        held->released.insert(folder);
        held->changed.notify_all();
    };
    const FileHandle answered(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    {
        TFolderWatch watch(
            [held](const std::u16string& folder) {
                std::unique_lock<std::mutex> lock(held->mutex);
                held->started.insert(folder);
                held->changed.notify_all();
                held->changed.wait(lock, [&] { return held->released.count(folder) > 0; });
                ++held->ended;
                held->changed.notify_all();
                return folder == u"waiting";
            },
            [event = answered.Get()] { SetEvent(event); });
        const std::u16string busy[] = {u"one", u"two", u"three", u"four"};
        for (const std::u16string& folder : busy)
            EXPECT_FALSE(watch.Exists(folder));
        EXPECT_FALSE(watch.Exists(u"waiting"));
        {
            std::unique_lock<std::mutex> lock(held->mutex);
            ASSERT_TRUE(held->changed.wait_for(lock, std::chrono::seconds(5),
                                               [&] { return held->started.size() == 4; }));
            EXPECT_EQ(held->started.count(u"waiting"), 0u) << "no free check for it yet";
        }
        release(u"waiting");
        release(busy[0]);
        EXPECT_EQ(WaitForSingleObject(answered.Get(), 5000), WAIT_OBJECT_0);
        EXPECT_TRUE(watch.Exists(u"waiting"));
        for (const std::u16string& folder : busy)
            release(folder);
    }
    // Every check has ended before the event goes.
    std::unique_lock<std::mutex> lock(held->mutex);
    EXPECT_TRUE(
        held->changed.wait_for(lock, std::chrono::seconds(5), [&] { return held->ended == 5; }));
}

// Standard output that is a console, as for a run from the Command Prompt, takes the
// text as text: every character shows as it is, where bytes would show as others.
TEST(WriteStd, AConsoleShowsTheTextExactly) {
    // A console of the test's own, whatever the test program was started with.
    const HANDLE inherited = GetStdHandle(STD_OUTPUT_HANDLE);
    FreeConsole();
    ASSERT_TRUE(AllocConsole()) << GetLastError();
    const FileHandle console(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         0, nullptr));
    ASSERT_TRUE(console.Valid());
    SetStdHandle(STD_OUTPUT_HANDLE, console.Get());
    const std::u16string text = u"\u6574\u7406 caf\u00E9 \uD55C \u00A5";
    WriteStd(StdStream::Output, text);
    SetStdHandle(STD_OUTPUT_HANDLE, inherited);
    std::u16string shown(text.size(), u'\0');
    DWORD read = 0;
    EXPECT_TRUE(ReadConsoleOutputCharacterW(console.Get(), AsWide(&shown[0]),
                                            static_cast<DWORD>(shown.size()), COORD{0, 0}, &read));
    shown.resize(read);
    EXPECT_EQ(Utf8Of(shown), Utf8Of(text));
    FreeConsole();
}

TEST(ShellOpen, MissingTargetGivesTheShellsFailureCode) {
    ScratchTree temp;
    EXPECT_EQ(ShellOpen(nullptr, temp / "missing.tavrix-none"), SE_ERR_FNF);
}

// The folder chooser driven from a second thread, as a user would: the thread
// looks at the chooser and the disabled windows, then picks or cancels.
class Chooser : public AppFixture {
protected:
    struct Seen {
        std::atomic<bool> found{false};
        std::atomic<bool> mainEnabled{true};
        HWND owner = nullptr;
        std::string title;
    };

    std::thread Answer(Seen& seen, const std::u16string* select) {
        HWND mainWindow = main->Handle();
        return std::thread([&seen, select, mainWindow] {
            HWND box = nullptr;
            for (int i = 0; i < 500 && !box; ++i) {
                Sleep(20);
                box = FindChooser();
            }
            if (!box) return;
            seen.found = true;
            seen.mainEnabled = IsWindowEnabled(mainWindow) != FALSE;
            seen.owner = GetWindow(box, GW_OWNER);
            seen.title = TextOfStatics(box);
            if (select) {
                // The tree fills in the background: select until the item is shown selected.
                const std::u16string name = select->substr(select->rfind(u'\\') + 1);
                for (int i = 0; i < 100 && SelectedItemText(box) != name; ++i) {
                    SendMessageW(box, BFFM_SETSELECTIONW, TRUE,
                                 reinterpret_cast<LPARAM>(select->c_str()));
                    Sleep(20);
                }
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            } else {
                PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
            }
        });
    }

    static BOOL CALLBACK FindVisibleDialog(HWND hwnd, LPARAM param) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        wchar_t cls[32] = {};
        GetClassNameW(hwnd, cls, 32);
        if (pid != GetCurrentProcessId() || lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(hwnd))
            return TRUE;
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }

    static HWND FindChooser() {
        HWND found = nullptr;
        EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    static std::u16string SelectedItemText(HWND box) {
        HWND tree = FindWindowExW(box, nullptr, WC_TREEVIEWW, nullptr);
        if (!tree) return std::u16string();
        wchar_t text[MAX_PATH] = {};
        TVITEMW item{};
        item.mask = TVIF_TEXT;
        item.hItem = TreeView_GetSelection(tree);
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        if (!item.hItem || !SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
            return std::u16string();
        return AsUtf16(text);
    }

    static std::string TextOfStatics(HWND box) {
        std::string all;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t cls[32] = {};
            GetClassNameW(child, cls, 32);
            if (lstrcmpiW(cls, L"Static") == 0) all += TControl(child).Text();
        }
        return all;
    }
};

TEST_F(Chooser, CancelLeavesTheFolderAndReenablesTheWindows) {
    Start();
    main->Edit1.SetText("C:\\before");
    Seen seen;
    std::thread user = Answer(seen, nullptr);
    main->cmFolder->Execute();
    user.join();
    ASSERT_TRUE(seen.found);
    EXPECT_FALSE(seen.mainEnabled) << "the main window is disabled while the chooser is up";
    EXPECT_EQ(seen.owner, app->Handle()) << "owned by the application's own window";
    EXPECT_NE(seen.title.find("ディレクトリーの参照"), std::string::npos) << seen.title;
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_EQ(main->Edit1.Text(), "C:\\before");
}

// Exactly the folder chosen, beside a look-alike that best fit would give.
TEST_F(Chooser, ChosenFolderReplacesTheWholeTextExactly) {
    ScratchTree temp;
    for (const std::u16string& name : {SjisToUtf16(kHyou), std::u16string(u"caf\u00E9")}) {
        const std::u16string target = temp.WidePath(name);
        CreateDirectoryW(AsWide(target.c_str()), nullptr);
        CreateDirectoryW(Wide(temp / "cafe").c_str(), nullptr);
        Start();
        main->Edit1.SetText("C:\\before");
        Seen seen;
        std::thread user = Answer(seen, &target);
        main->cmFolder->Execute();
        user.join();
        ASSERT_TRUE(seen.found);
        EXPECT_TRUE(IsWindowEnabled(main->Handle()));
        EXPECT_EQ(main->Edit1.WideText(), target);
        Discard();
    }
}

// The main window's delete request, through the real shell, into the trash
// of the Unix user that runs Wine.
class DeleteRequest : public StartedApp {
protected:
    std::vector<std::string> MakeFiles(const ScratchTree& temp,
                                       const std::vector<std::string>& names) {
        std::vector<std::string> paths;
        for (const std::string& name : names) {
            paths.push_back(temp / name);
            WriteBytes(paths.back(), "content of " + name);
            main->FoundFiles->Add(SjisToUtf16(paths.back()));
        }
        return paths;
    }
    // How many trash entries end with the folder and name given.
    static int TrashEntriesFor(const std::string& folder, const std::string& name) {
        return TrashedCount("/" + TrashInfoName(folder) + "/" + TrashInfoName(name));
    }
    static std::string LastPart(const std::string& path) { return NameOf(path); }
};

TEST_F(DeleteRequest, RecycleBinRequestMovesEveryFileIntoTheTrash) {
    ScratchTree temp;
    const std::vector<std::string> names = {"a.tmp", kHyou + kSo + ".tmp", "b c.bak"};
    const std::vector<std::string> paths = MakeFiles(temp, names);
    MessageBoxCatcher catcher;
    main->DeleteFoundFiles(false);
    EXPECT_TRUE(catcher.Boxes().empty()) << "no confirmation is asked";
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_FALSE(PathExists(paths[i]));
        EXPECT_EQ(TrashEntriesFor(LastPart(temp.Path()), names[i]), 1);
    }
    EXPECT_EQ(main->FoundFiles->Count(), paths.size()) << "the list is left as it was";
}

TEST_F(DeleteRequest, PermanentRequestLeavesNoTrashEntry) {
    ScratchTree temp;
    const std::vector<std::string> names = {"x.tmp", kSo + ".bak"};
    const std::vector<std::string> paths = MakeFiles(temp, names);
    MessageBoxCatcher catcher;
    main->DeleteFoundFiles(true);
    EXPECT_TRUE(catcher.Boxes().empty());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_FALSE(PathExists(paths[i]));
        EXPECT_EQ(TrashEntriesFor(LastPart(temp.Path()), names[i]), 0);
    }
}

// The shell decides once per process whether it has a trash, so a trash that
// cannot be written is met in a process of its own: this program, run again.
TEST_F(DeleteRequest, FileThatCannotGoToTheTrashIsNotDestroyedUnasked) {
    if (GetEnvironmentVariableA("TAVRIX_NO_TRASH", nullptr, 0) == 0) {
        const std::string trash = TrashFolder();
        const std::string saved = trash + ".saved";
        RemoveTree(saved);
        MoveFileA(trash.c_str(), saved.c_str());
        // A plain file where the trash's folders should be.
        WriteBytes(trash, "not a folder");
        char self[MAX_PATH + 1] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string command = std::string("\"") + self + "\" --gtest_filter=" +
                              ::testing::UnitTest::GetInstance()->current_test_suite()->name() +
                              "." + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        SetEnvironmentVariableA("TAVRIX_NO_TRASH", "1");
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION child{};
        const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0,
                                            nullptr, nullptr, &startup, &child);
        SetEnvironmentVariableA("TAVRIX_NO_TRASH", nullptr);
        DWORD exitCode = 1;
        if (started) {
            WaitForSingleObject(child.hProcess, 120000);
            GetExitCodeProcess(child.hProcess, &exitCode);
            CloseHandle(child.hThread);
            CloseHandle(child.hProcess);
        }
        DeleteFileA(trash.c_str());
        MoveFileA(saved.c_str(), trash.c_str());
        ASSERT_TRUE(started);
        EXPECT_EQ(exitCode, 0u) << "the run without a trash failed";
        return;
    }
    ScratchTree temp;
    const std::vector<std::string> paths = MakeFiles(temp, {"keep.tmp"});
    const auto boxes = BoxesDuring([this] { main->DeleteFoundFiles(false); });
    // The shell's own question, in the language of the system.
    ASSERT_EQ(boxes.size(), 1u) << "the shell asks before deleting for good";
    EXPECT_TRUE(PathExists(paths[0])) << "the answer was not yes";
}

} // namespace
