#include "toolkit/icon.h"

namespace tk {

void Icon::AssignImage(HICON image) {
    if (image == handle_.get()) return;
    SetHandle(image ? CopyIcon(image) : nullptr);
}

void Icon::SetHandle(HICON handle) {
    if (handle != handle_.get()) handle_.reset(handle);
}

ProgramIcons LoadProgramIcons() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    const auto load = [module](int widthMetric, int heightMetric) {
        return static_cast<HICON>(LoadImageA(module, kProgramIconName, IMAGE_ICON, GetSystemMetrics(widthMetric),
                                             GetSystemMetrics(heightMetric), LR_SHARED));
    };
    return {load(SM_CXICON, SM_CYICON), load(SM_CXSMICON, SM_CYSMICON)};
}

}  // namespace tk
