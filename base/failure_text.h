// Texts of the box that shows a failure no handler caught.
#pragma once
#include <stdexcept>
#include <string>

#include "base/code_page.h"

// The executable's file name without its folder, up to its first ".", every
// character after the first lower-cased: "TAVRIX.EXE" gives "Tavrix".
std::string ApplicationTitle(const std::string& exeFileName, const CodePage& codePage);

// The message with "." appended when it is not empty and its last character is above '.'.
std::u16string FailureBoxText(const std::u16string& message);

// A failure whose message names a file: kept in UTF-16, so the name shows exactly
// whatever characters it holds.
class EFileFailure : public std::runtime_error {
public:
    explicit EFileFailure(std::u16string message)
        : std::runtime_error("file failure"), message_(std::move(message)) {}
    const std::u16string& Message() const { return message_; }

private:
    std::u16string message_;
};
