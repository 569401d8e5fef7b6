// The settings file accessor: holds the file's name and where its bytes come from.
// It reads the file once, at its first use, and rewrites it at every write, as the
// platform's profile functions do, but in Shift_JIS bytes as they are on any code page.
#pragma once
#include "toolkit/code_page.h"

#include <optional>
#include <string>

// Reads and replaces whole files: the file system's, or a test's.
class TFileStore {
public:
    virtual ~TFileStore() = default;
    // The file's bytes; empty for a file that is not there. False when it is there
    // but cannot be read.
    virtual bool Load(const std::u16string& path, std::string& bytes) = 0;
    // Replaces the file's bytes; false when it cannot.
    virtual bool Store(const std::u16string& path, const std::string& bytes) = 0;
};

class TIniFile {
public:
    TIniFile(std::u16string fileName, TFileStore& store, const CodePage& codePage)
        : fileName_(std::move(fileName)), store_(store), codePage_(codePage) {}

    const std::u16string& FileName() const { return fileName_; }

    // At most 2047 bytes, as the platform's 2048-character buffer gives them.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Fails with "%s に書き込めません" (the file's path) when the file cannot be written.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    // Touches the file only when it holds the key.
    void DeleteKey(const std::string& section, const std::string& key);
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& key, int value);
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    void WriteBool(const std::string& section, const std::string& key, bool value);

private:
    // The file's bytes as last read or written; empty when it could not be read.
    const std::string& Bytes() const;
    // The file rewritten by `change`, applied to its bytes; fails as WriteString does.
    // A write is a write even when nothing changes, as with the platform's functions.
    template <typename F> void Change(F&& change, bool evenUnchanged);
    [[noreturn]] void CannotWrite() const;

    std::u16string fileName_;
    TFileStore& store_;
    const CodePage& codePage_;
    mutable std::optional<std::string> bytes_;
    mutable bool unreadable_ = false;
};
