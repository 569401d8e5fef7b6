#include "toolkit/ini_file.h"

#include "toolkit/ini_values.h"

#include <windows.h>

#include <stdexcept>

namespace {

constexpr DWORD kValueBufferSize = 2048;

} // namespace

TIniFile::~TIniFile() {
    // Its result says nothing about the file: the flush reports 0 when it succeeds.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str());
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    char buffer[kValueBufferSize];
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                 kValueBufferSize, fileName_.c_str());
    return std::string(buffer, length < kValueBufferSize ? length : kValueBufferSize - 1);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        throw std::runtime_error(fileName_ + " に書き込めません");
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
