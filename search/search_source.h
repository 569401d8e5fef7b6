// What the search dialog and its walk read and fill of the main window.
#pragma once
#include <string>

class TFoundFiles;

class TSearchSource {
public:
    virtual ~TSearchSource() = default;
    // The folder to search, as the user typed it.
    virtual std::u16string StartFolder() const = 0;
    // The subfolder option, read afresh at every subfolder the walk meets.
    virtual bool SubfoldersOn() const = 0;
    // The pattern test of one bare file name.
    virtual bool Matches(const char16_t* name) const = 0;
    virtual TFoundFiles& Found() = 0;
};
