// The pattern editor: Edit2 keeps the typed text in pattern form and selects the
// matching item; the add and delete actions change the sorted list.
#include "app/main.h"

#include "app/typed_pattern.h"
#include "platform/shift_jis.h"

#include <stdexcept>

namespace {

// Emptying Edit2 never selects an empty item (a blank line of the list file).
int FindPattern(const TListBox& list, const std::u16string& text) {
    const std::optional<std::string> pattern = TypedPattern(text, ShiftJis());
    return !pattern || pattern->empty() ? -1 : list.FindExact(*pattern);
}

void SelectItem(const TListBox& list, int index) {
    if (list.ItemIndex() != index) list.SetItemIndex(index);
}

} // namespace

// Setting Edit2's text from here runs this handler again, completely, before the
// outer run goes on; the inner run sees a text that is empty or starts with ".".
// A "." is one character in UTF-16 as in Shift_JIS, and a lead byte is never ".",
// so the caret moves by the one character put in front.
void TAutoTavrix::Edit2Change() {
    const std::u16string text = Edit2.WideText();
    int start = 0, length = 0;
    Edit2.GetSelection(start, length);
    if (text.empty()) return;
    if (text[0] == u'.') {
        if (text.size() == 1) Edit2.SetWideText(u"");
    } else {
        Edit2.SetWideText(u"." + text);
        Edit2.SetSelection(start + 1, length);
    }
    SelectItem(ListBox1, FindPattern(ListBox1, Edit2.WideText()));
}

void TAutoTavrix::ListBox1Click() {
    const int index = ListBox1.ItemIndex();
    if (index < 0) return;
    Edit2.SetText(ListBox1.Item(index));
    Edit2.SetFocus();
}

void TAutoTavrix::cmAddUpdate(TAction& sender) {
    const std::optional<std::string> text = ExactSjis(Edit2.WideText());
    sender.SetEnabled(text && !text->empty() && ListBox1.FindExact(*text) < 0);
    SetDefaultButton(Button2.Handle(), sender.Enabled());
}

void TAutoTavrix::cmDeleteUpdate(TAction& sender) {
    sender.SetEnabled(ListBox1.ItemIndex() >= 0);
    SetDefaultButton(Button3.Handle(), sender.Enabled());
}

void TAutoTavrix::cmAddExecute(TAction&) {
    // Enabled only for a text with an exact form: the update ran just before.
    SelectItem(ListBox1, AddPattern(TypedPattern(Edit2.WideText(), ShiftJis()).value()));
    Edit2.SetFocus();
}

int TAutoTavrix::AddPattern(const std::string& pattern) {
    const int index = ListBox1.Add(pattern);
    if (index < 0) throw std::runtime_error("行を挿入できません");
    return index;
}

void TAutoTavrix::cmDeleteExecute(TAction&) {
    ListBox1.Delete(ListBox1.ItemIndex());
    SelectItem(ListBox1, -1);
    Edit2.SetText("");
    Edit2.SetFocus();
}
