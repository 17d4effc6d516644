// TAboutBox: the program's version and purpose, the system's memory figures, and links to the
// maker's and the author's web pages and the author's e-mail address.
#pragma once

#include <windows.h>

#include <string_view>

#include "dialogs/modal_dialog.h"

namespace dialogs {

enum AboutControl : int {
    IDC_LABEL8 = 100,
    IDC_LABEL2,
    IDC_LABEL5,
    IDC_LABEL1,
    IDC_LABEL3,
    IDC_PHYSMEM,
    IDC_LABEL4,
    IDC_VIRTMEM,
    IDC_LABEL9,
    IDC_LABEL11,
    IDC_LABEL7,
    IDC_LABEL10,
    IDC_LABEL12,
    IDC_LABEL13,
    IDC_LABEL14,
    IDC_PROGRAMICON,
};

// Where the box reads the memory status; tests put a fixed one in its place. Returns the previous.
using MemoryStatusSource = void(WINAPI*)(LPMEMORYSTATUS);
MemoryStatusSource SetMemoryStatusSource(MemoryStatusSource source);

class TAboutBox : public ModalDialog {
public:
    TAboutBox();
    ~TAboutBox() override;

    void Label11Click();
    void Label7Click();
    void Label12Click();

protected:
    void CreateControls() override;
    void FormCreate() override;
    COLORREF TextColor(HWND control) const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    bool IsLink(HWND control) const;
    void ShowMemoryFigures();
    void SizeLabelsToText();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

    tk::FontHandle titleFont_;
    tk::FontHandle linkFont_;
    tk::IconHandle icon_;
};

// Oprogramu1Click's work: a new About box, shown modally and freed.
inline void ShowAboutBox(const tk::Owner& program) { RunFresh<TAboutBox>(program); }

}  // namespace dialogs
