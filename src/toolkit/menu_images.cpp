#include "toolkit/menu_images.h"

#include "toolkit/image_list.h"

namespace tk {

namespace {
constexpr int kImageSize = 16;

bool IsMenuImage(UINT controlType, ULONG_PTR image, const ImageList& images) {
    return controlType == ODT_MENU && image < ULONG_PTR(images.Count());
}
}  // namespace

void SetMenuItemImage(HMENU menu, UINT command, int image) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP | MIIM_DATA;
    info.hbmpItem = HBMMENU_CALLBACK;
    info.dwItemData = ULONG_PTR(image);
    SetMenuItemInfoA(menu, command, FALSE, &info);
}

bool MeasureMenuImage(MEASUREITEMSTRUCT& item, const ImageList& images) {
    if (!IsMenuImage(item.CtlType, item.itemData, images)) return false;
    item.itemWidth = kImageSize;
    item.itemHeight = kImageSize;
    return true;
}

bool DrawMenuImage(const DRAWITEMSTRUCT& item, const ImageList& images) {
    if (!IsMenuImage(item.CtlType, item.itemData, images)) return false;
    const RECT& area = item.rcItem;
    ImageList_Draw(images.Handle(), int(item.itemData), item.hDC, area.left + (area.right - area.left - kImageSize) / 2,
                   area.top + (area.bottom - area.top - kImageSize) / 2, ILD_TRANSPARENT);
    return true;
}

}  // namespace tk
