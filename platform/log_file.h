// The log an unattended run appends its block to (/log). It is opened, and its lock
// tried, before the run acts on anything, so that no run deletes without the record
// that was asked for; the block is appended in one piece at the run's end.
#pragma once
#include "platform/scoped.h"

#include <string>

class TLogFile {
public:
    enum class Problem {
        None,
        NotAFile,   // a folder or a device
        CannotOpen, // missing folder, no right to write, a read-only file
        Busy,       // the lock stayed taken for the whole wait, or the place has none
    };
    // Opens the file as named, created when missing, never truncated.
    explicit TLogFile(const std::u16string& path);

    Problem Opened() const { return problem_; }
    // Appends the bytes under the lock that every run takes to append, so two runs never
    // mix their blocks; a file still empty gets a UTF-8 byte-order mark first. False when
    // the log was not opened, the lock not taken, or the bytes not all written.
    bool Append(const std::string& bytes);

private:
    FileHandle file_;
    Problem problem_ = Problem::None;
};
