#include "toolkit/icon.h"

namespace tk {

void Icon::AssignImage(HICON image) {
    if (image == handle_) return;
    SetHandle(image ? CopyIcon(image) : nullptr);
}

void Icon::SetHandle(HICON handle) {
    if (handle == handle_) return;
    if (handle_) DestroyIcon(handle_);
    handle_ = handle;
}

}  // namespace tk
