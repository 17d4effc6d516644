// THelpForm: the help text in a read-only, scrollable text area.
#pragma once

#include <windows.h>

#include "dialogs/modal_dialog.h"

namespace dialogs {

enum HelpControl : int {
    IDC_HELP_MEMO1 = 100,
};

class THelpForm : public ModalDialog {
public:
    THelpForm();

protected:
    void CreateControls() override;
    void FormCreate() override;

private:
    HWND Memo1 = nullptr;
};

// Obsahnapovedy1Click's work: a new help window, shown modally and freed.
inline void ShowHelpForm(const tk::Owner& program) { RunFresh<THelpForm>(program); }

}  // namespace dialogs
