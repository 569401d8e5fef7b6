#include "search/shell_request.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellRequest, IsTheFoundListItselfUnlessSomePathIsHeldBack) {
    TFoundFiles found;
    found.Add(u"C:\\a\\x.tmp");
    found.Add(u"C:\\a\\y.tmp");
    EXPECT_EQ(&TShellRequest(found).Paths(), &found.Joined()) << "nothing copied";

    found.Add(u"C:\\a\\k.");
    found.Add(u"C:\\sub.\\g.tmp");
    found.Add(u"C:\\a\\z.tmp");
    const TShellRequest request(found);
    EXPECT_EQ(request.HeldBack(), 2u);
    EXPECT_EQ(request.Paths(),
              std::u16string_view(u"C:\\a\\x.tmp\0C:\\a\\y.tmp\0C:\\a\\z.tmp\0", 33));
}

} // namespace
