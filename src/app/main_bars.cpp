#include "app/main_bars.h"

#include <commctrl.h>

#include <vector>

#include "app/command_table.h"
#include "toolkit/application.h"
#include "toolkit/image_strip.h"
#include "toolkit/menu_images.h"

namespace app {

namespace {

constexpr char kToolBarImages[] = "TOOLIMAGES";
constexpr COLORREF kImageMask = RGB(255, 0, 255);
constexpr int kMenuButtonHeight = 21;
constexpr int kToolButtonWidth = 23, kToolButtonHeight = 22;

// Bands as designed, in display order: the menu bar starts the row, the buttons follow on it.
constexpr tk::BandState kDesignBands[] = {
    {IDC_TOOLBAR1, true, 185, 172, 21},
    {IDC_TOOLBAR2, false, 141, 128, 22},
};

}  // namespace

void MainBars::Create(HWND form, const MainMenu& menu, tk::Application& application) {
    tk::AddImageStrip(ImageList1, kToolBarImages, kImageMask);
    CoolBar1.Create(form, IDC_COOLBAR1);
    ToolBar1.Create(CoolBar1.Handle(), IDC_TOOLBAR1, {true, 0, kMenuButtonHeight, nullptr}, MenuBarButtons(),
                    application.Hints());
    ToolBar2.Create(CoolBar1.Handle(), IDC_TOOLBAR2, {false, kToolButtonWidth, kToolButtonHeight, &ImageList1},
                    ToolBar2Buttons(), application.Hints());
    for (const tk::BandState& band : kDesignBands)
        CoolBar1.AddBand(band.id == IDC_TOOLBAR1 ? ToolBar1.Handle() : ToolBar2.Handle(), band);
    menuBar_.Attach(ToolBar1, form, menu.Submenus());
    application.SetMenuBar(&menuBar_);
    std::vector<ACCEL> shortcuts = Accelerators();
    accelerators_.reset(CreateAcceleratorTableA(shortcuts.data(), int(shortcuts.size())));
    application.SetAccelerators(accelerators_.get());
}

void MainBars::Arrange(const settings::WindowValues& values) {
    CoolBar1.Apply(settings::ArrangeBands(CoolBar1.Layout(), values, IDC_TOOLBAR1));
}

void MainBars::Record(settings::WindowValues& values) const {
    settings::ReadBands(CoolBar1.Layout(), IDC_TOOLBAR1, values);
}

bool MainBars::HandleNotify(NMHDR& header, LRESULT& result) {
    return ToolBar1.HandleNotify(header, result) || ToolBar2.HandleNotify(header, result) ||
           menuBar_.HandleNotify(header, result);
}

bool MainBars::RowsChanged(const NMHDR& header) const {
    return header.hwndFrom == CoolBar1.Handle() &&
           (header.code == RBN_HEIGHTCHANGE || header.code == RBN_LAYOUTCHANGED);
}

LRESULT MainBars::MeasureItem(LPARAM lParam) {
    return tk::MeasureMenuImage(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), ImageList1);
}

LRESULT MainBars::DrawItem(LPARAM lParam) {
    return tk::DrawMenuImage(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), ImageList1);
}

}  // namespace app
