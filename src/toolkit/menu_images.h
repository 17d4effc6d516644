// Pictures beside menu items. The item leaves the drawing of its bitmap to its owner window, which
// draws the image-list picture, so the mask stays transparent on the normal and the highlighted
// background alike.
#pragma once

#include <windows.h>

namespace tk {

class ImageList;

void SetMenuItemImage(HMENU menu, UINT command, int image);

// Answer WM_MEASUREITEM and WM_DRAWITEM for such items; false for anything else.
bool MeasureMenuImage(MEASUREITEMSTRUCT& item, const ImageList& images);
bool DrawMenuImage(const DRAWITEMSTRUCT& item, const ImageList& images);

}  // namespace tk
