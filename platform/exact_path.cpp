#include "platform/exact_path.h"

#include <algorithm>

namespace {

constexpr char16_t kSeparator = u'\\';
constexpr std::u16string_view kExactPrefix = u"\\\\?\\";

bool StartsWith(std::u16string_view text, std::u16string_view start) {
    return text.substr(0, start.size()) == start;
}

bool IsUncPath(std::u16string_view s) { return StartsWith(s, u"\\\\") && !IsDevicePath(s); }

std::size_t PartEnd(std::u16string_view s, std::size_t from) {
    return std::min(s.find(kSeparator, from), s.size());
}

// The length of the root: "\\?\X", "\\server\share" or "C:"; 0 when the path is
// relative to the current folder or to its root.
std::size_t RootLength(std::u16string_view s) {
    if (IsDevicePath(s)) return PartEnd(s, 4);
    if (IsUncPath(s)) {
        const std::size_t server = PartEnd(s, 2);
        return server == s.size() ? server : PartEnd(s, server + 1);
    }
    return HasDrive(s) ? 2 : 0;
}

bool IsFull(std::u16string_view s) {
    const std::size_t root = RootLength(s);
    return root > 2 || (root == 2 && s.size() > 2 && s[2] == kSeparator);
}

// A full path with "\" for separators, made exact.
std::u16string ExactFull(std::u16string_view s) {
    const std::size_t rootLength = RootLength(s);
    std::u16string exact(kExactPrefix);
    if (IsDevicePath(s))
        exact.append(s.substr(4, rootLength - 4));
    else if (IsUncPath(s))
        exact.append(u"UNC\\").append(s.substr(2, rootLength - 2));
    else
        exact.append(s.substr(0, rootLength));
    const std::size_t rootEnd = exact.size();
    for (std::size_t at = rootLength; at < s.size();) {
        if (s[at] == kSeparator) {
            ++at;
            continue;
        }
        const std::size_t end = PartEnd(s, at);
        const std::u16string_view part = s.substr(at, end - at);
        // ".." never climbs above the root, as in the plain form.
        if (part == u"..") {
            if (exact.size() > rootEnd) exact.resize(exact.rfind(kSeparator));
        } else if (part != u".") {
            exact.append(1, kSeparator).append(part);
        }
        at = end;
    }
    // A root names its folder only with its separator.
    if (exact.size() == rootEnd) exact += kSeparator;
    return exact;
}

} // namespace

std::u16string ExactPath(std::u16string_view path, std::u16string_view currentFolder) {
    if (path.empty() || StartsWith(path, kExactPrefix)) return std::u16string(path);
    std::u16string s = Backslashed(path);
    if (!IsFull(s)) {
        const std::u16string current = Backslashed(currentFolder);
        if (!IsFull(current)) return std::u16string(path);
        if (HasDrive(s)) {
            // "C:x" is relative to the drive's current folder, known only for the current drive.
            const bool same = (s[0] | 0x20) == (current[0] | 0x20) && HasDrive(current);
            s = (same ? current : s.substr(0, 2)) + kSeparator + s.substr(2);
        } else if (s[0] == kSeparator) {
            s = current.substr(0, RootLength(current)) + s;
        } else {
            s = current + kSeparator + s;
        }
    }
    return ExactFull(s);
}

bool HasDrive(std::u16string_view path) {
    const char16_t letter = path.empty() ? u'\0' : static_cast<char16_t>(path[0] | 0x20);
    return path.size() >= 2 && path[1] == u':' && letter >= u'a' && letter <= u'z';
}

bool IsAbsolutePath(std::u16string_view path) {
    const std::u16string s = Backslashed(path);
    // A share names its server: "\\\x" names none.
    return IsFull(s) && !(IsUncPath(s) && s[2] == kSeparator);
}

std::u16string Backslashed(std::u16string_view path) {
    std::u16string s(path);
    std::replace(s.begin(), s.end(), u'/', kSeparator);
    return s;
}

// Only a literal "\\?\" skips the clean-up (see ExactPath): both forms are otherwise
// resolved like any other path.
bool IsDevicePath(std::u16string_view path) {
    const auto separator = [](char16_t c) { return c == kSeparator || c == u'/'; };
    return path.size() >= 4 && separator(path[0]) && separator(path[1]) &&
           (path[2] == u'?' || path[2] == u'.') && separator(path[3]);
}

bool PlainFormIsExact(std::u16string_view path) {
    for (std::size_t at = 0; at <= path.size();) {
        const std::size_t end = std::min(path.find_first_of(u"\\/", at), path.size());
        const std::u16string_view part = path.substr(at, end - at);
        if (!part.empty() && part != u"." && part != u".." &&
            (part.back() == u'.' || part.back() == u' '))
            return false;
        at = end + 1;
    }
    return true;
}
