// The text of a settings file in memory: read and changed the way the platform's
// profile functions read and write a file, but on the file's own bytes, so values
// stay exact on any code page. The caller reads the file once and stores the
// changed text once.
#pragma once
#include "base/code_page.h"

#include <string>

class TIniFile {
public:
    TIniFile(std::string bytes, const CodePage& codePage)
        : bytes_(std::move(bytes)), codePage_(codePage) {}

    const std::string& Bytes() const { return bytes_; }

    // The whole value, whatever its length.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void DeleteKey(const std::string& section, const std::string& key);
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& key, int value);
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    void WriteBool(const std::string& section, const std::string& key, bool value);

private:
    std::string bytes_;
    const CodePage& codePage_;
};
