#include "toolkit/image_strip.h"

#include "toolkit/handles.h"
#include "toolkit/image_list.h"

namespace tk {

bool AddImageStrip(ImageList& list, const char* resource, COLORREF maskColor) {
    const BitmapHandle strip(
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return strip && list.AddMasked(strip.get(), maskColor) >= 0;
}

}  // namespace tk
