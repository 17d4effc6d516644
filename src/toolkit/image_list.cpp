#include "toolkit/image_list.h"

namespace tk {

namespace {
constexpr int kInitialCapacity = 8, kGrowBy = 8;
}

ImageList::ImageList(Component* owner, int width, int height)
    : Component(owner), handle_(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, kInitialCapacity, kGrowBy)) {}

}  // namespace tk
