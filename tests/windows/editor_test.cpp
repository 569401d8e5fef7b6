// The pattern editor through real keyboard, mouse and clipboard messages.
#include "support/app_fixture.h"

namespace {

class Editor : public StartedApp {
protected:
    void SetUp() override {
        StartedApp::SetUp();
        main->Edit2.SetFocus();
    }
    std::string EditText() const { return main->Edit2.Text(); }
    std::pair<int, int> Selection() const {
        int start = 0, length = 0;
        main->Edit2.GetSelection(start, length);
        return {start, length};
    }
    void ClickItem(int index) {
        RECT r{};
        SendMessageA(main->ListBox1.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        main->ListBox1.SetFocus();
        PostMessageA(main->ListBox1.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(main->ListBox1.Handle(), WM_LBUTTONUP, 0, at);
        Pump();
    }
    void Paste(const std::u16string& text) { AppFixture::Paste(main->Edit2.Handle(), text); }
};

TEST_F(Editor, TypedTextGetsItsDotInTheUsersCaseAndEnterAddsItLowerCased) {
    Type("TMP");
    EXPECT_EQ(EditText(), ".TMP");
    EXPECT_EQ(Selection(), std::make_pair(4, 0)) << "caret stays after what was typed";
    Pump();
    EXPECT_TRUE(main->cmAdd->Enabled());
    EXPECT_TRUE(main->Button2.IsDefault());
    Key(VK_RETURN);
    ASSERT_EQ(main->ListBox1.Count(), 1);
    EXPECT_EQ(main->ListBox1.Item(0), ".tmp");
    EXPECT_EQ(main->ListBox1.ItemIndex(), 0);
    EXPECT_EQ(EditText(), ".TMP") << "the edit keeps what the user typed";
    EXPECT_TRUE(main->Edit2.Focused());
    Pump();
    EXPECT_FALSE(main->cmAdd->Enabled());
    EXPECT_FALSE(main->Button2.IsDefault());
    EXPECT_TRUE(main->Button3.IsDefault());
}

TEST_F(Editor, ALoneDotIsEmptiedAndADeletedDotComesBack) {
    Type(".");
    EXPECT_EQ(EditText(), "");
    Type(".tmp");
    EXPECT_EQ(EditText(), ".tmp");
    main->Edit2.SetSelection(1, 0);
    Key(VK_BACK);
    EXPECT_EQ(EditText(), ".tmp");
    EXPECT_EQ(Selection(), std::make_pair(1, 0));
}

TEST_F(Editor, PastedTextIsPutIntoPatternForm) {
    Paste(u"bak");
    EXPECT_EQ(EditText(), ".bak");
    EXPECT_EQ(Selection(), std::make_pair(4, 0));
    main->Edit2.SetText("");
    Paste(u".bak");
    EXPECT_EQ(EditText(), ".bak");
}

// The list file holds Shift_JIS: a pattern without that form cannot be kept, and
// its look-alike (.e for .é) would select other files.
TEST_F(Editor, PatternWithoutAShiftJisFormIsNeverAdded) {
    main->ListBox1.Add(".e");
    for (const std::u16string text : {u".\u00E9", u"\uD55C", u".t\u301C"}) {
        main->Edit2.SetText("");
        Paste(text);
        Pump();
        EXPECT_EQ(main->Edit2.WideText(), text[0] == u'.' ? text : u"." + text);
        EXPECT_FALSE(main->cmAdd->Enabled());
        EXPECT_EQ(main->ListBox1.ItemIndex(), -1) << "not taken for .e";
        Key('A', true);
        EXPECT_EQ(ListItems(), std::vector<std::string>{".e"});
    }
}

TEST_F(Editor, DoubleByteTextGetsItsDotToo) {
    Type("\x82\xa0"); // あ
    EXPECT_EQ(EditText(), ".\x82\xa0");
}

TEST_F(Editor, TypingSelectsTheEqualItemAndEnterThenDeletesIt) {
    main->ListBox1.Add(".tmp");
    Type("tmp");
    EXPECT_EQ(main->ListBox1.ItemIndex(), 0);
    Type("x");
    EXPECT_EQ(main->ListBox1.ItemIndex(), -1) << "a further character clears the selection";
    Key(VK_BACK);
    EXPECT_EQ(main->ListBox1.ItemIndex(), 0);
    Pump();
    EXPECT_TRUE(main->Button3.IsDefault());
    Key(VK_RETURN);
    EXPECT_EQ(main->ListBox1.Count(), 0) << "deleting the only item";
    EXPECT_EQ(EditText(), "");
    Pump();
    EXPECT_FALSE(main->cmAdd->Enabled());
    EXPECT_FALSE(main->cmDelete->Enabled());
    Key(VK_RETURN);
    EXPECT_EQ(main->ListBox1.Count(), 0) << "empty edit, no selection: Enter does nothing";
}

TEST_F(Editor, NoPatternIsAddedTwiceInAnyMixOfCase) {
    for (const char* typed : {"tmp", "TMP", "TmP", ".tMp"}) {
        SCOPED_TRACE(typed);
        main->Edit2.SetText("");
        Type(typed);
        Key('A', true);
        Pump();
        EXPECT_EQ(main->ListBox1.Count(), 1);
    }
}

TEST_F(Editor, ArrowKeyInTheListCopiesTheItemAndSelectsTheEditText) {
    main->ListBox1.Add(".a");
    main->ListBox1.Add(".b");
    main->ListBox1.SetItemIndex(0);
    main->ListBox1.SetFocus();
    Key(VK_DOWN);
    EXPECT_EQ(EditText(), ".b");
    EXPECT_TRUE(main->Edit2.Focused());
    EXPECT_EQ(Selection(), std::make_pair(0, 2));
    EXPECT_EQ(main->ListBox1.ItemIndex(), 1);
}

TEST_F(Editor, ClickedItemsFromTheListFileAreShownInPatternForm) {
    // As loaded from the list file: without a dot, and upper case.
    main->ListBox1.Add("tmp");
    main->ListBox1.Add(".BAK");
    const int plain = main->ListBox1.FindExact("tmp");
    ClickItem(plain);
    EXPECT_EQ(EditText(), ".tmp");
    EXPECT_EQ(main->ListBox1.ItemIndex(), -1) << "no item equals .tmp";
    Pump();
    EXPECT_TRUE(main->cmAdd->Enabled());

    const int upper = main->ListBox1.FindExact(".bak");
    ClickItem(upper);
    EXPECT_EQ(EditText(), ".BAK");
    EXPECT_EQ(main->ListBox1.ItemIndex(), upper);
    Pump();
    EXPECT_FALSE(main->cmAdd->Enabled());
}

TEST_F(Editor, EmptyingTheEditNeverSelectsAnEmptyItem) {
    main->ListBox1.Add("");
    main->ListBox1.Add(".tmp");
    // A lone "." is emptied, and the empty text is then looked up.
    Type(".");
    EXPECT_EQ(EditText(), "");
    EXPECT_EQ(main->ListBox1.ItemIndex(), -1);
}

} // namespace
