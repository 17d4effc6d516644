// The values the main window stores at exit, each described once in a table, and the rules that
// turn them into a window placement and a tool-bar arrangement.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "toolkit/band_layout.h"

namespace settings {

// The main window's designed size, which is also its minimum size and the stored size's default.
constexpr std::int32_t kWindowWidth = 340;
constexpr std::int32_t kWindowHeight = 250;

struct WindowValues {
    // Outer edges in screen pixels; as they stand, the defaults of the stored placement.
    std::int32_t left = 0, top = 0, width = kWindowWidth, height = kWindowHeight;
    bool workgroup = false;   // "Pracovní skupina:" is checked
    std::string destination;  // the recipient field's text, empty for the placeholder
    // The bands by position: whether the first holds the menu bar, each one's row break and width.
    // Read from the bands as they are shown, which are their defaults.
    bool band1ToolBar1 = true, band1Break = true;
    std::int32_t band1Width = 0;
    bool band2Break = false;
    std::int32_t band2Width = 0;
};

// The creation steps that load stored values, in their order; the option marks' step holds none
// of the table's.
enum class LoadStep { Placement, Options, Workgroup, Destination, Bands };

struct StoredValue {
    const char* name;
    LoadStep step;
    std::variant<std::int32_t WindowValues::*, bool WindowValues::*, std::string WindowValues::*> field;
};

// Every value the window stores at exit, in the order it stores them.
std::span<const StoredValue> WindowValueTable();

// The design size centred on a screen of that size, halves truncated toward zero.
void CentreOnScreen(WindowValues& values, std::int32_t screenWidth, std::int32_t screenHeight);
// A stored size below the minimum grows to it; the screen's size limits nothing.
void LimitToMinimum(WindowValues& values);

// The bands' values as `layout` shows its first two bands.
void ReadBands(const tk::BandLayout& layout, unsigned toolBar1, WindowValues& values);
// `layout` with its first two bands as the values say. The tool bars change places with their
// minimum sizes; row breaks and widths belong to the positions.
tk::BandLayout ArrangeBands(tk::BandLayout layout, const WindowValues& values, unsigned toolBar1);

}  // namespace settings
