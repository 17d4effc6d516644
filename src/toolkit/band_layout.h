// The arrangement of a band container's bands as the user sees it: display order, row breaks,
// widths, and the minimum sizes that travel with each band's child.
#pragma once

#include <vector>

namespace tk {

struct BandState {
    unsigned id;    // identifies the band's child
    bool rowBreak;  // the band starts a new row
    int width;      // whole band, gripper included
    int minWidth;   // of the child
    int minHeight;  // of the child
    bool operator==(const BandState&) const = default;
};

// Bands in display order: the first is the band shown first.
using BandLayout = std::vector<BandState>;

}  // namespace tk
