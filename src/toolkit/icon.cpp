#include "toolkit/icon.h"

namespace tk {

void Icon::AssignImage(HICON image) {
    if (image == handle_.get()) return;
    SetHandle(image ? CopyIcon(image) : nullptr);
}

void Icon::SetHandle(HICON handle) {
    if (handle != handle_.get()) handle_.reset(handle);
}

}  // namespace tk
