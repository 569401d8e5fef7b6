#include "platform/exact_path.h"

#include <gtest/gtest.h>

namespace {

TEST(ExactPath, KeepsEveryNameToTheLetterAndResolvesOnlyNavigation) {
    const std::u16string_view here = u"C:\\cur\\dir";
    const struct {
        std::u16string_view path, current, exact;
    } cases[] = {
        {u"C:\\x\\k.", here, u"\\\\?\\C:\\x\\k."},
        {u"C:\\sub. \\a.b ", here, u"\\\\?\\C:\\sub. \\a.b "},
        {u"C:/x//y\\", here, u"\\\\?\\C:\\x\\y"},
        {u"C:\\x\\.\\y\\..\\z\\*.*", here, u"\\\\?\\C:\\x\\z\\*.*"},
        {u"C:\\..\\x\\...", here, u"\\\\?\\C:\\x\\..."},
        {u"C:\\", here, u"\\\\?\\C:\\"},
        {u"\\\\server\\share\\x.", here, u"\\\\?\\UNC\\server\\share\\x."},
        {u"//server/share/..", here, u"\\\\?\\UNC\\server\\share\\"},
        {u"\\\\?\\C:\\x.\\..", here, u"\\\\?\\C:\\x.\\.."},
        {u"\\\\.\\C:\\x.", here, u"\\\\?\\C:\\x."},
        {u"//?/C:/x/../y", here, u"\\\\?\\C:\\y"},
        {u"sub.\\g.tmp", here, u"\\\\?\\C:\\cur\\dir\\sub.\\g.tmp"},
        {u"..\\x", here, u"\\\\?\\C:\\cur\\x"},
        {u"\\x", here, u"\\\\?\\C:\\x"},
        {u"c:x", here, u"\\\\?\\C:\\cur\\dir\\x"},
        {u"D:x", here, u"\\\\?\\D:\\x"},
        {u"\\x", u"\\\\srv\\sh\\d", u"\\\\?\\UNC\\srv\\sh\\x"},
        {u"x", u"\\\\?\\C:\\d", u"\\\\?\\C:\\d\\x"},
        {u"x.", u"", u"x."},
        {u"", here, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path.begin(), c.path.end()));
        EXPECT_EQ(ExactPath(c.path, c.current), c.exact);
    }
}

TEST(PlainFormIsExact, FalseOnlyWhereAPartEndsInADotOrASpace) {
    const struct {
        std::u16string_view path;
        bool exact;
    } cases[] = {
        {u"C:\\x\\a.tmp", true},    {u"C:\\x\\.tmp", true},      {u"C:\\x\\a. b", true},
        {u"C:\\x\\.\\..\\y", true}, {u"\\\\.\\C:\\x\\", true},   {u"C:\\x\\k.", false},
        {u"C:\\x\\a.b ", false},    {u"C:\\sub.\\g.tmp", false}, {u"C:/sub /g.tmp", false},
        {u"C:\\x\\...", false},     {u"\\\\srv\\sh.\\a", false}, {u"rel.\\a", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path.begin(), c.path.end()));
        EXPECT_EQ(PlainFormIsExact(c.path), c.exact);
    }
}

} // namespace
