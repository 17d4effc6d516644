#include "settings/window_values.h"

#include <algorithm>
#include <utility>

#include "settings/settings_codec.h"

namespace settings {

namespace {
using W = WindowValues;
constexpr StoredValue kWindowValues[] = {
    {kLeft, LoadStep::Placement, &W::left},
    {kTop, LoadStep::Placement, &W::top},
    {kWidth, LoadStep::Placement, &W::width},
    {kHeight, LoadStep::Placement, &W::height},
    {kWorkgroup, LoadStep::Workgroup, &W::workgroup},
    {kDestination, LoadStep::Destination, &W::destination},
    {kBand1ToolBar1, LoadStep::Bands, &W::band1ToolBar1},
    {kBand1Break, LoadStep::Bands, &W::band1Break},
    {kBand1Width, LoadStep::Bands, &W::band1Width},
    {kBand2Break, LoadStep::Bands, &W::band2Break},
    {kBand2Width, LoadStep::Bands, &W::band2Width},
};
}  // namespace

std::span<const StoredValue> WindowValueTable() { return kWindowValues; }

void CentreOnScreen(WindowValues& values, std::int32_t screenWidth, std::int32_t screenHeight) {
    values.width = kWindowWidth;
    values.height = kWindowHeight;
    values.left = (screenWidth - values.width) / 2;
    values.top = (screenHeight - values.height) / 2;
}

void LimitToMinimum(WindowValues& values) {
    values.width = std::max(values.width, kWindowWidth);
    values.height = std::max(values.height, kWindowHeight);
}

void ReadBands(const tk::BandLayout& layout, unsigned toolBar1, WindowValues& values) {
    values.band1ToolBar1 = layout.at(0).id == toolBar1;
    values.band1Break = layout[0].rowBreak;
    values.band1Width = layout[0].width;
    values.band2Break = layout.at(1).rowBreak;
    values.band2Width = layout[1].width;
}

tk::BandLayout ArrangeBands(tk::BandLayout layout, const WindowValues& values, unsigned toolBar1) {
    if ((layout.at(0).id == toolBar1) != values.band1ToolBar1) std::swap(layout[0], layout.at(1));
    layout[0].rowBreak = values.band1Break;
    layout[0].width = values.band1Width;
    layout[1].rowBreak = values.band2Break;
    layout[1].width = values.band2Width;
    return layout;
}

}  // namespace settings
