// Scratch folder trees for the tests, held files, and the user's freedesktop
// trash as Wine keeps it. Paths given as std::string are Shift_JIS, named to the
// system through its wide calls, so the tests read the same on any code page.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The Unix path Wine keeps a Windows path at; empty where there is none.
std::string UnixPath(const std::string& windowsPath);
// Starts a Unix program from the Wine side and waits until `done` holds; false
// when it cannot start or `done` does not come to hold within 5 s.
bool RunUnix(const std::string& commandLine, const std::function<bool()>& done);

// A fresh folder under the temporary folder. It is removed from the Unix side
// with everything in it, so links inside are removed, never followed.
class ScratchTree {
public:
    ScratchTree();
    ~ScratchTree();
    ScratchTree(const ScratchTree&) = delete;
    ScratchTree& operator=(const ScratchTree&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "\" + relative.
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

    // Creates the folder with its missing parents.
    void Folder(const std::string& relative) const;
    // Creates an empty file (and its folders), then gives it the attributes.
    void File(const std::string& relative, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const;
    // The same for names of any characters, through the wide calls and named
    // exactly, a "." or " " at the end kept; the folders must be there already.
    std::u16string WidePath(const std::u16string& relative) const;
    void WideFolder(const std::u16string& relative) const;
    void WideFile(const std::u16string& relative) const;
    // A Unix symbolic link at `relative` whose text is `target`; false when it cannot be made.
    bool Link(const std::string& relative, const std::string& target) const;

private:
    std::string path_;
};

class HeldFile {
public:
    HeldFile(const std::string& path, DWORD access, DWORD share);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// A Shift_JIS path as the wide calls take it.
std::wstring Wide(const std::string& path);

// The last part of a Shift_JIS path, and everything before its separator.
std::string NameOf(const std::string& path);
std::string ParentOf(const std::string& path);

// Removes a file or a folder with everything in it.
void RemoveTree(const std::string& path);

// The trash folder of the Unix user that runs Wine, as a Windows path.
std::string TrashFolder();
// The "Path=" lines of every .trashinfo in the trash: the original Unix paths,
// UTF-8 and URL-encoded.
std::vector<std::string> TrashedPaths();
// How many entries of the trash came from a path ending in `tail` (as a
// .trashinfo spells it: see TrashInfoName).
int TrashedCount(const std::string& tail);
// A name's bytes as they appear in a .trashinfo path: turned into UTF-8, then
// every byte outside the unreserved set as %XX.
std::string TrashInfoName(const std::string& ansiName);
std::string TrashInfoName(const std::u16string& name);
