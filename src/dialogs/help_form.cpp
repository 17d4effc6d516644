#include "dialogs/help_form.h"

#include "dialogs/help_text.h"
#include "toolkit/control_helpers.h"

namespace dialogs {

namespace {

constexpr DialogLayout kLayout = {
    "PebblewireHelpForm", "Nápověda pro program Pebblewire", {328, 273}, {125, 232, 77, 25}};
constexpr Bounds kMemo1 = {6, 8, 316, 209};
// No horizontal scrolling: the paragraphs wrap. No ES_WANTRETURN: Enter presses OK.
constexpr DWORD kMemo1Style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;

}  // namespace

THelpForm::THelpForm() : ModalDialog(kLayout) {}

void THelpForm::CreateControls() {
    Memo1 = tk::CreateControl(0, "EDIT", "", kMemo1Style, kMemo1.x, kMemo1.y, kMemo1.width, kMemo1.height, Handle(),
                              IDC_HELP_MEMO1);
}

// The text comes once the font is on: an editor given another font over its text lays it out
// anew, and Wine's keeps the memory of the old layout, some 40 KiB at every opening.
void THelpForm::FormCreate() { tk::SetText(Memo1, HelpText()); }

}  // namespace dialogs
