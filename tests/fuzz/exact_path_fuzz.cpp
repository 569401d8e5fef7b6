// The exact form of any path against any current folder, and whether the shell's
// request may take the path. Input: UTF-16LE units, the path, a NUL unit, the
// current folder.
#include "platform/exact_path.h"
#include "search/shell_request.h"

#include "support/fuzz_check.h"
#include "support/native_text.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::u16string> parts = Utf16Parts(data, size);
    parts.resize(2);
    const std::u16string &path = parts[0], &current = parts[1];
    const std::u16string exact = ExactPath(path, current);
    const bool converted = exact != path && exact.compare(0, 4, u"\\\\?\\") == 0;
    // It never ends a name in "." or " " where neither text did.
    Check(!PlainFormIsExact(path) || !PlainFormIsExact(current) || PlainFormIsExact(exact));
    // A name appended to a folder is named inside that folder's exact form (but for
    // a bare "C:", the drive's current folder, where "C:\n" is in its root).
    Check(!converted || exact.back() == u'\\' || path.back() == u':' ||
          ExactPath(path + u"\\n. ", current) == exact + u"\\n. ");
    // The shell's request takes a path only in a plain form that names it exactly.
    Check(ShellCannotTake(path) || (!IsDevicePath(path) && PlainFormIsExact(path)));
    return 0;
}
