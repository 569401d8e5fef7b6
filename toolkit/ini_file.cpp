#include "toolkit/ini_file.h"

#include "toolkit/failure_text.h"
#include "toolkit/ini_text.h"
#include "toolkit/ini_values.h"

namespace {

// What the platform's buffer of 2048 characters holds, its NUL aside.
constexpr std::size_t kLongestValue = 2047;

} // namespace

const std::string& TIniFile::Bytes() const {
    if (!bytes_) {
        std::string bytes;
        // A file that cannot be read holds nothing for a reader, as for the platform.
        unreadable_ = !store_.Load(fileName_, bytes);
        bytes_ = unreadable_ ? std::string() : std::move(bytes);
    }
    return *bytes_;
}

template <typename F> void TIniFile::Change(F&& change, bool evenUnchanged) {
    const std::string& bytes = Bytes();
    // Rewriting a file that could not be read would lose what it holds.
    if (unreadable_) CannotWrite();
    std::string changed = change(bytes);
    if (!evenUnchanged && changed == bytes) return;
    if (!store_.Store(fileName_, changed)) CannotWrite();
    bytes_ = std::move(changed);
}

void TIniFile::CannotWrite() const {
    const char text[] = " に書き込めません";
    std::u16string message;
    codePage_.ToUtf16(text, sizeof text - 1, message);
    throw EFileFailure(fileName_ + message);
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    std::string value = IniValue(Bytes(), section, key, codePage_).value_or(defaultValue);
    if (value.size() > kLongestValue) value.resize(kLongestValue);
    return value;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    Change(
        [&](const std::string& bytes) {
            return IniWithValue(bytes, section, key, value, codePage_);
        },
        true);
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
    Change([&](const std::string& bytes) { return IniWithoutKey(bytes, section, key, codePage_); },
           false);
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
