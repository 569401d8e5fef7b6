// The pattern editor: Edit2 keeps the typed text in pattern form and selects the
// matching item; the add and delete actions change the sorted list.
#include "app/main.h"

#include "toolkit/ansi_code_page.h"

#include <stdexcept>

namespace {

std::string Lowered(std::string text) {
    AnsiCodePage().Lower(&text[0], text.size());
    return text;
}

// Emptying Edit2 never selects an empty item (a blank line of the list file).
int FindPattern(const TListBox& list, const std::string& lowered) {
    return lowered.empty() ? -1 : list.FindExact(lowered);
}

void SelectItem(const TListBox& list, int index) {
    if (list.ItemIndex() != index) list.SetItemIndex(index);
}

} // namespace

// Setting Edit2's text from here runs this handler again, completely, before the
// outer run goes on; the inner run sees a text that is empty or starts with ".".
void TAutoTavrix::Edit2Change() {
    const std::string text = Edit2.Text();
    const std::string lowered = Lowered(text);
    int start = 0, length = 0;
    Edit2.GetSelection(start, length);
    if (lowered.empty()) return;
    if (lowered[0] == '.') {
        if (lowered.size() == 1) Edit2.SetText("");
    } else {
        Edit2.SetText("." + text);
        Edit2.SetSelection(start + 1, length);
    }
    SelectItem(ListBox1, FindPattern(ListBox1, Lowered(Edit2.Text())));
}

void TAutoTavrix::ListBox1Click() {
    const int index = ListBox1.ItemIndex();
    if (index < 0) return;
    Edit2.SetText(ListBox1.Item(index));
    Edit2.SetFocus();
}

void TAutoTavrix::cmAddUpdate(TAction& sender) {
    const std::string text = Edit2.Text();
    sender.SetEnabled(!text.empty() && ListBox1.FindExact(text) < 0);
    SetDefaultButton(Button2.Handle(), sender.Enabled());
}

void TAutoTavrix::cmDeleteUpdate(TAction& sender) {
    sender.SetEnabled(ListBox1.ItemIndex() >= 0);
    SetDefaultButton(Button3.Handle(), sender.Enabled());
}

void TAutoTavrix::cmAddExecute(TAction&) {
    const int index = ListBox1.Add(Lowered(Edit2.Text()));
    if (index < 0) throw std::runtime_error("行を挿入できません");
    SelectItem(ListBox1, index);
    Edit2.SetFocus();
}

void TAutoTavrix::cmDeleteExecute(TAction&) {
    ListBox1.Delete(ListBox1.ItemIndex());
    SelectItem(ListBox1, -1);
    Edit2.SetText("");
    Edit2.SetFocus();
}
