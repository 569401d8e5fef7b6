#include "base/ini_file.h"

#include "base/ini_text.h"
#include "base/ini_values.h"

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    return IniValue(bytes_, section, key, codePage_).value_or(defaultValue);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    bytes_ = IniWithValue(bytes_, section, key, value, codePage_);
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
    bytes_ = IniWithoutKey(bytes_, section, key, codePage_);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    return IniTextToInt(ReadString(section, key, ""), defaultValue);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, IniIntToText(value));
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key,
                        bool defaultValue) const {
    return IniTextToBool(ReadString(section, key, ""), defaultValue);
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, IniBoolToText(value));
}
