#include "search/shell_request.h"

#include "platform/exact_path.h"

#include <algorithm>

namespace {

// MAX_PATH counts the final NUL.
constexpr std::size_t kLongestPlainPath = 259;

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool SameLetters(std::u16string_view text, std::u16string_view upper) {
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(),
                      [](char16_t a, char16_t b) { return AsciiUpper(a) == b; });
}

// The system's device names, whatever extension follows and however many spaces
// before it: "nul.tar.gz" and "COM1 .txt" name the device. COM and LPT take the
// digits 0 to 9 and the superscripts 1 to 3.
bool IsDeviceName(std::u16string_view part) {
    std::u16string_view base = part.substr(0, part.find(u'.'));
    while (!base.empty() && base.back() == u' ')
        base.remove_suffix(1);
    for (std::u16string_view name : {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"})
        if (SameLetters(base, name)) return true;
    if (base.size() != 4) return false;
    const char16_t digit = base[3];
    const bool numbered = (digit >= u'0' && digit <= u'9') || digit == u'\u00B9' ||
                          digit == u'\u00B2' || digit == u'\u00B3';
    return numbered &&
           (SameLetters(base.substr(0, 3), u"COM") || SameLetters(base.substr(0, 3), u"LPT"));
}

bool HasDevicePart(std::u16string_view path) {
    for (std::size_t at = 0; at <= path.size();) {
        const std::size_t end = std::min(path.find_first_of(u"\\/", at), path.size());
        if (IsDeviceName(path.substr(at, end - at))) return true;
        at = end + 1;
    }
    return false;
}

} // namespace

std::optional<HeldBackReason> ShellCannotTake(std::u16string_view path) {
    if (IsDevicePath(path)) return HeldBackReason::DevicePath;
    if (path.size() > kLongestPlainPath) return HeldBackReason::TooLong;
    if (path.find_first_of(u"*?") != std::u16string_view::npos) return HeldBackReason::Wildcard;
    if (HasDevicePart(path)) return HeldBackReason::DeviceName;
    if (!PlainFormIsExact(path)) return HeldBackReason::EndsInDotOrSpace;
    return std::nullopt;
}

const char* HeldBackText(HeldBackReason reason) {
    switch (reason) {
    case HeldBackReason::DevicePath:
        return "\\\\?\\ か \\\\.\\ で始まるパス";
    case HeldBackReason::TooLong:
        return "260 文字以上のパス";
    case HeldBackReason::Wildcard:
        return "* か ? を含む名前";
    case HeldBackReason::DeviceName:
        return "デバイス名 (CON、NUL、COM1 など) と同じ名前";
    case HeldBackReason::EndsInDotOrSpace:
        return "末尾がピリオドか空白の名前";
    case HeldBackReason::NoRecycleBin:
        return "ローカルの固定ディスクにあると確かめられない (ゴミ箱がないおそれ)";
    }
    return "";
}

TShellRequest::TShellRequest(const TFoundFiles& found, RecycleVolumes* volumes) : found_(found) {
    std::size_t index = 0;
    for (std::u16string_view path : found) {
        std::optional<HeldBackReason> reason = ShellCannotTake(path);
        if (!reason && volumes && !volumes->OnLocalFixedDisk(path))
            reason = HeldBackReason::NoRecycleBin;
        if (reason) heldBack_.push_back({index, *reason});
        ++index;
    }
    if (heldBack_.empty()) return;
    auto next = heldBack_.begin();
    index = 0;
    for (std::u16string_view path : found) {
        if (next != heldBack_.end() && next->index == index)
            ++next;
        else
            named_.Add(path);
        ++index;
    }
}
