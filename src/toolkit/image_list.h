// An image list of equally sized masked images (16 x 16 unless asked otherwise), built from icons
// or from bitmap strips with a mask colour; each image can be taken out as an icon.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "toolkit/component.h"
#include "toolkit/handles.h"
#include "toolkit/icon.h"

namespace tk {

class ImageList : public Component {
public:
    explicit ImageList(Component* owner = nullptr, int width = 16, int height = 16);

    HIMAGELIST Handle() const { return handle_.get(); }
    int Count() const { return ImageList_GetImageCount(handle_.get()); }

    // Each returns the index of the first image added, or -1.
    int AddIcon(HICON icon) { return ImageList_ReplaceIcon(handle_.get(), -1, icon); }
    // Adds a strip of images; pixels of `mask` colour become transparent.
    int AddMasked(HBITMAP strip, COLORREF mask) { return ImageList_AddMasked(handle_.get(), strip, mask); }

    // Loads the image at `index` into `icon`; an index without an image leaves the icon empty.
    void GetIcon(int index, Icon& icon) const { icon.SetHandle(ImageList_GetIcon(handle_.get(), index, ILD_NORMAL)); }

private:
    ImageListHandle handle_;
};

}  // namespace tk
