#include "toolkit/image_strip.h"

#include "toolkit/image_list.h"

namespace tk {

bool AddImageStrip(ImageList& list, const char* resource, COLORREF maskColor) {
    HBITMAP strip =
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip) return false;
    const bool added = list.AddMasked(strip, maskColor) >= 0;
    DeleteObject(strip);
    return added;
}

}  // namespace tk
