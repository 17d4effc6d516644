// An icon object that owns its image: empty, a copy of another icon, or a handle it was given.
#pragma once

#include <windows.h>

#include "toolkit/handles.h"

namespace tk {

class Icon {
public:
    Icon() = default;
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    // The platform handle, null while the icon is empty.
    HICON Handle() const { return handle_.get(); }
    bool Empty() const { return !handle_; }

    // Copies an image this object does not own, such as a shared or another object's icon.
    void AssignImage(HICON image);
    // Takes ownership of a handle; null empties the icon.
    void SetHandle(HICON handle);
    void Clear() { SetHandle(nullptr); }

private:
    IconHandle handle_;
};

// The program's own icon in its resources, at the system's large and small sizes: shared images,
// never destroyed. The small one is the resource's own small image, not the large one shrunk.
struct ProgramIcons {
    HICON icon = nullptr;    // SM_CXICON
    HICON iconSm = nullptr;  // SM_CXSMICON
};
constexpr char kProgramIconName[] = "MAINICON";
ProgramIcons LoadProgramIcons();

}  // namespace tk
