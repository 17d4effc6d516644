// The band container: movable bands, each holding one child window. Its layout is always read
// back from the displayed bands, so it is current after every drag by the user.
#pragma once

#include <windows.h>

#include "toolkit/band_layout.h"

namespace tk {

class Rebar {
public:
    HWND Create(HWND parent, int id);
    HWND Handle() const { return hwnd_; }

    // Appends a band holding `child`; the state's id names the band from then on.
    void AddBand(HWND child, const BandState& band);
    int BandCount() const;

    BandLayout Layout() const;
    // Arranges the bands as the layout says; bands it does not name keep their place after them.
    void Apply(const BandLayout& layout);

    // Fits the container to its parent's width; returns its height, which follows the rows.
    int FitToParent();

private:
    HWND hwnd_ = nullptr;
};

}  // namespace tk
