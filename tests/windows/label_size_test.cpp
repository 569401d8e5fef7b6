// An auto-sized label keeps the size of its text, whether it measures on a
// surface of its own or on the one the search walk holds for the whole run.
#include "search/found_files.h"
#include "search/search_dialog.h"
#include "search_support.h"
#include "support/app_fixture.h"
#include "toolkit/gdi.h"

#include <algorithm>
#include <string>

namespace {

HFONT FontOf(HWND label) { return reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)); }

SIZE WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// What a reader sees: the label exactly as wide as its text is drawn in its font, so
// nothing is cut and nothing beside it is covered, and one line of that font high.
SIZE Seen(const TForm& form, HWND label) {
    const std::u16string text = TControl(label).WideText();
    ScreenDC dc(FontOf(label));
    SIZE extent{0, 0};
    GetTextExtentPoint32W(dc.Get(), AsWide(text.c_str()), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    return {extent.cx, std::max<LONG>(metrics.tmHeight, form.Scale(12))};
}

class LabelSizeTest : public StartedApp {};

TEST_F(LabelSizeTest, FollowsItsTextOnEitherSurface) {
    // Growing by a digit, keeping the digit count, shrinking, double-byte text, empty.
    const char* const texts[] = {"9", "10", "11", "1000", "7", "見つかった数", ""};
    const HWND label = main->Label4.Handle();
    const ScreenDC surface(FontOf(label));
    for (bool given : {false, true}) {
        for (const char* text : texts) {
            main->SetLabelText(label, text, true, given ? surface.Get() : nullptr);
            const SIZE expected = Seen(*main, label);
            const SIZE size = WindowSize(label);
            EXPECT_EQ(main->Label4.Text(), text);
            EXPECT_EQ(size.cx, expected.cx) << '"' << text << "\" surface given: " << given;
            EXPECT_EQ(size.cy, expected.cy) << '"' << text << "\" surface given: " << given;
        }
    }
}

TEST_F(LabelSizeTest, LabelMovedBySomeoneElseIsSizedAgain) {
    const HWND label = main->Label4.Handle();
    main->SetLabelText(label, "12", true);
    SetWindowPos(label, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    main->SetLabelText(label, "12", true);
    EXPECT_EQ(WindowSize(label).cx, Seen(*main, label).cx);
}

TEST_F(LabelSizeTest, SearchCountWidensPastNine) {
    ScratchTree tree;
    for (int i = 0; i < 12; ++i)
        tree.File("f" + std::to_string(i) + ".tmp");
    main->Edit1.SetText(tree.Path());
    main->ListBox1.Clear();
    main->ListBox1.Add(".tmp");
    TSearchDlg dialog(*app, *main, *main);
    const SIZE before = WindowSize(dialog.Label4.Handle());
    ASSERT_EQ(dialog.ShowModal(), mrOk);
    ASSERT_EQ(main->FoundFiles->Count(), 12u);
    EXPECT_EQ(dialog.Label4.Text(), "12");
    const SIZE after = WindowSize(dialog.Label4.Handle());
    EXPECT_EQ(after.cx, Seen(dialog, dialog.Label4.Handle()).cx);
    EXPECT_GT(after.cx, before.cx) << "two digits are wider than the initial \"0\"";
}

} // namespace
