// The exact form of arbitrary paths against arbitrary current folders: the walk
// names a folder's entries by appending them to the folder's exact form, and the
// exact form never ends a name in "." or " " that the path did not.
//
// Input: UTF-16LE units, the path, a NUL unit, then the current folder.
#include "platform/exact_path.h"

#include "support/native_text.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> parts = Utf16Parts(data, size);
    const std::u16string path = parts.empty() ? u"" : parts[0];
    const std::u16string current = parts.size() > 1 ? parts[1] : u"";
    const std::u16string exact = ExactPath(path, current);
    const std::u16string_view prefix = u"\\\\?\\";
    if (path.compare(0, prefix.size(), prefix) == 0) Check(exact == path);
    if (PlainFormIsExact(path) && PlainFormIsExact(current)) Check(PlainFormIsExact(exact));
    // A bare "C:" names the drive's current folder, "C:\name" its root.
    const bool converted = exact != path && exact.compare(0, prefix.size(), prefix) == 0;
    if (converted && exact.back() != u'\\' && path.back() != u':')
        Check(ExactPath(path + u"\\n. ", current) == exact + u"\\n. ");
    return 0;
}
