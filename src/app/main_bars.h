// The band container across the top of the main window: the menu bar and the button bar, the
// images their menus and buttons share, and the shortcuts.
#pragma once

#include <windows.h>

#include "app/main_menu.h"
#include "settings/window_values.h"
#include "toolkit/band_layout.h"
#include "toolkit/handles.h"
#include "toolkit/image_list.h"
#include "toolkit/menu_bar.h"
#include "toolkit/rebar.h"
#include "toolkit/tool_bar.h"

namespace tk {
class Application;
}

namespace app {

class MainBars {
public:
    // The bars as designed, the menu bar over `menu`'s submenus; the application gets the menu
    // bar and the shortcuts, and tracks the buttons' hints.
    void Create(HWND form, const MainMenu& menu, tk::Application& application);
    // The menu buttons follow the form's font.
    void FitMenuButtons() { ToolBar1.FitButtonHeight(); }
    // Takes the height the rows need; the controls below start there.
    int FitToForm() { return CoolBar1.FitToParent(); }

    // The arrangement as shown now, after whatever the user dragged.
    tk::BandLayout Layout() const { return CoolBar1.Layout(); }
    // The arrangement as the values say, and as they store it.
    void Arrange(const settings::WindowValues& values);
    void Record(settings::WindowValues& values) const;

    // Of the controls, only the button bar sends commands.
    bool SendsCommands(HWND control) const { return control == ToolBar2.Handle(); }
    // The bars' own notifications; false for any other.
    bool HandleNotify(NMHDR& header, LRESULT& result);
    // The band container's rows changed, and the controls below must follow.
    bool RowsChanged(const NMHDR& header) const;
    void MenuSelected(WPARAM wParam, LPARAM lParam) { menuBar_.MenuSelected(wParam, lParam); }
    LRESULT MeasureItem(LPARAM lParam);
    LRESULT DrawItem(LPARAM lParam);
    void Deactivated() { menuBar_.CancelKeyboardMode(); }

private:
    tk::ImageList ImageList1;
    tk::Rebar CoolBar1;
    tk::ToolBar ToolBar1;  // the menu bar
    tk::ToolBar ToolBar2;  // the buttons
    tk::MenuBar menuBar_;  // ToolBar1's menu behaviour
    tk::AcceleratorTable accelerators_;
};

}  // namespace app
