// An interface pointer that is released when it goes.
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace shell {

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (pointer_) pointer_->Release();
    }

    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }
    // Where a creating call stores the new pointer; the object must be empty.
    void** Out() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace shell
