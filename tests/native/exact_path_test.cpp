#include "platform/exact_path.h"

#include <gtest/gtest.h>

namespace {

TEST(ExactPath, KeepsEveryNameToTheLetterAndResolvesOnlyNavigation) {
    const std::u16string_view here = u"C:\\cur\\dir";
    const struct {
        std::u16string_view path, current, exact;
    } cases[] = {
        {u"C:\\sub. \\a.b ", here, u"\\\\?\\C:\\sub. \\a.b "},
        {u"C:/x//y\\", here, u"\\\\?\\C:\\x\\y"},
        {u"C:\\x\\.\\y\\..\\z\\*.*", here, u"\\\\?\\C:\\x\\z\\*.*"},
        {u"C:\\..\\x\\...", here, u"\\\\?\\C:\\x\\..."},
        {u"//server/share/x./..", here, u"\\\\?\\UNC\\server\\share\\"},
        {u"\\\\?\\C:\\x.\\..", here, u"\\\\?\\C:\\x.\\.."},
        {u"//./C:/x./../y.", here, u"\\\\?\\C:\\y."},
        {u"..\\sub.\\k.", here, u"\\\\?\\C:\\cur\\sub.\\k."},
        {u"\\x", u"\\\\srv\\sh\\d", u"\\\\?\\UNC\\srv\\sh\\x"},
        {u"D:x", here, u"\\\\?\\D:\\x"},
        // The current drive's "C:x" is relative to the current folder, never to C:'s root.
        {u"c:x.", here, u"\\\\?\\C:\\cur\\dir\\x."},
        {u"x.", u"", u"x."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path.begin(), c.path.end()));
        EXPECT_EQ(ExactPath(c.path, c.current), c.exact);
    }
}

TEST(IsAbsolutePath, OnlyADriveOrAShare) {
    for (std::u16string_view path :
         {u"C:\\", u"c:\\data", u"Z:/x", u"\\\\server\\share", u"\\\\?\\C:\\x"})
        EXPECT_TRUE(IsAbsolutePath(path)) << std::string(path.begin(), path.end());
}

} // namespace
