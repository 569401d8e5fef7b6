#include "search/shell_request.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellRequest, HoldsBackEveryPathWhosePlainFormNamesAnotherFile) {
    const struct {
        std::u16string_view path;
        bool goes;
    } cases[] = {
        {u"C:\\x\\a.tmp", true},    {u"C:\\x\\.tmp", true},      {u"C:\\x\\a. b", true},
        {u"C:\\x\\.\\..\\y", true}, {u"\\\\.\\C:\\x\\", true},   {u"C:\\x\\k.", false},
        {u"C:\\x\\a.b ", false},    {u"C:\\sub.\\g.tmp", false}, {u"C:/sub /g.tmp", false},
        {u"C:\\x\\...", false},     {u"\\\\srv\\sh.\\a", false}, {u"rel.\\a", false},
    };
    TFoundFiles found, named;
    for (const auto& c : cases) {
        found.Add(c.path);
        if (c.goes) named.Add(c.path);
    }
    const TShellRequest request(found);
    EXPECT_EQ(request.HeldBack(), found.Count() - named.Count());
    EXPECT_EQ(request.Paths(), named.Joined());
    EXPECT_EQ(&TShellRequest(named).Paths(), &named.Joined())
        << "nothing held back, nothing copied";
}

} // namespace
