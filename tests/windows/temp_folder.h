// Scratch folders for the file-system tests and the user's freedesktop trash
// as Wine keeps it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A fresh, empty folder under the temporary folder, removed with its content
// (read-only entries included) when it goes out of scope.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "\" + name.
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// A file or folder held open for the scope, as another program would hold it.
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
// A name's bytes as they appear in a .trashinfo path: Shift_JIS turned into
// UTF-8, then every byte outside the unreserved set as %XX.
std::string TrashInfoName(const std::string& ansiName);
