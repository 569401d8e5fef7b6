#include "search/shell_request.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Reason = HeldBackReason;

std::u16string Long(std::size_t length) {
    return u"C:\\" + std::u16string(length - 7, u'a') + u".tmp";
}

TEST(ShellRequest, HoldsBackEveryPathTheShellCannotTakeWithItsReason) {
    const std::u16string at259 = Long(259), at260 = Long(260);
    const struct {
        std::u16string_view path;
        std::optional<Reason> reason;
    } cases[] = {
        {u"C:\\x\\a.tmp", {}},
        {u"C:\\x\\.tmp", {}},
        {u"C:\\x\\a. b", {}},
        {u"C:\\x\\.\\..\\y", {}},
        {u"C:\\x\\k.", Reason::EndsInDotOrSpace},
        {u"C:\\x\\a.b ", Reason::EndsInDotOrSpace},
        {u"C:\\sub.\\g.tmp", Reason::EndsInDotOrSpace},
        {u"C:/sub /g.tmp", Reason::EndsInDotOrSpace},
        {u"C:\\x\\...", Reason::EndsInDotOrSpace},
        {u"\\\\srv\\sh.\\a", Reason::EndsInDotOrSpace},
        {u"rel.\\a", Reason::EndsInDotOrSpace},
        {u"\\\\.\\C:\\x\\", Reason::DevicePath},
        {u"\\\\?\\C:\\x\\a.tmp", Reason::DevicePath},
        {u"//?/C:/x/a.tmp", Reason::DevicePath},
        {at259, {}},
        {at260, Reason::TooLong},
        {u"C:\\x\\a*b.tmp", Reason::Wildcard},
        {u"C:\\x?\\a.tmp", Reason::Wildcard},
        {u"C:\\x\\aux.tmp", Reason::DeviceName},
        {u"C:\\x\\AUX", Reason::DeviceName},
        {u"C:\\con\\a.tmp", Reason::DeviceName},
        {u"C:\\x\\Nul.tar.gz", Reason::DeviceName},
        {u"C:\\x\\com1 .tmp", Reason::DeviceName},
        {u"C:\\x\\COM0.tmp", Reason::DeviceName},
        {u"C:\\x\\lpt9.tmp", Reason::DeviceName},
        {u"C:\\x\\LPT\u00B2.tmp", Reason::DeviceName},
        {u"C:\\x\\conout$.tmp", Reason::DeviceName},
        {u"C:\\x\\aux.tmp.", Reason::DeviceName},
        {u"C:\\x\\com10.tmp", {}},
        {u"C:\\x\\comA.tmp", {}},
        {u"C:\\x\\auxi.tmp", {}},
        {u"C:\\x\\a.aux", {}},
        {u"C:\\x\\xcon.tmp", {}},
        {u"C:\\x\\\uFF41\uFF55\uFF58.tmp", {}},
    };
    TFoundFiles found, named;
    std::vector<std::pair<std::size_t, Reason>> expected;
    for (const auto& c : cases) {
        EXPECT_EQ(ShellCannotTake(c.path), c.reason) << std::string(c.path.begin(), c.path.end());
        if (c.reason)
            expected.emplace_back(found.Count(), *c.reason);
        else
            named.Add(c.path);
        found.Add(c.path);
    }
    const TShellRequest request(found);
    EXPECT_EQ(request.Paths(), named.Joined());
    std::vector<std::pair<std::size_t, Reason>> heldBack;
    for (const HeldBackPath& held : request.HeldBack())
        heldBack.emplace_back(held.index, held.reason);
    EXPECT_EQ(heldBack, expected);
    EXPECT_EQ(&TShellRequest(named).Paths(), &named.Joined())
        << "nothing held back, nothing copied";
}

TEST(HeldBackText, EachReasonReadsDifferently) {
    std::set<std::string> texts;
    for (Reason reason : {Reason::DevicePath, Reason::TooLong, Reason::Wildcard, Reason::DeviceName,
                          Reason::EndsInDotOrSpace, Reason::NoRecycleBin})
        texts.insert(HeldBackText(reason));
    EXPECT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts.count(""), 0u);
}

} // namespace
