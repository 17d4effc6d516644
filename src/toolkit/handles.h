// Owners of the system's handles, the only ones the program uses: each frees its handle when it
// goes, so no window or handler ever frees one by hand.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <unknwn.h>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace tk {

template <typename Handle, auto Free>
struct HandleDeleter {
    void operator()(Handle handle) const { Free(handle); }
};

template <typename Handle, auto Free>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleDeleter<Handle, Free>>;

template <typename GdiObject>
void DeleteGdiObject(GdiObject object) {
    DeleteObject(object);
}

// FindFirstFile's failure is INVALID_HANDLE_VALUE, which is no search to close.
inline void CloseSearch(HANDLE search) {
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

using FontHandle = UniqueHandle<HFONT, DeleteGdiObject<HFONT>>;
using BitmapHandle = UniqueHandle<HBITMAP, DeleteGdiObject<HBITMAP>>;
using IconHandle = UniqueHandle<HICON, DestroyIcon>;
using AcceleratorTable = UniqueHandle<HACCEL, DestroyAcceleratorTable>;
using MenuHandle = UniqueHandle<HMENU, DestroyMenu>;
using ImageListHandle = UniqueHandle<HIMAGELIST, ImageList_Destroy>;
using HookHandle = UniqueHandle<HHOOK, UnhookWindowsHookEx>;
// A file search; check it against INVALID_HANDLE_VALUE, not null.
using SearchHandle = UniqueHandle<HANDLE, CloseSearch>;
// A kernel object (process, pipe end); null when there is none.
using KernelHandle = UniqueHandle<HANDLE, CloseHandle>;

// A window's device context, or the screen's for a null window, released when the object goes.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A file handle, closed when the object goes.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Closes it now; false when it was not open or closing failed (for a file written, a late
    // write error shows here).
    bool Close() {
        const bool closed = *this && CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

// An open registry key, closed when the object goes.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey();

    // An existing key, or a closed object when it cannot be opened.
    static RegistryKey Open(HKEY parent, const char* path, REGSAM access = KEY_ALL_ACCESS);
    // The key, made first when it is missing; a closed object when that fails.
    static RegistryKey Create(HKEY parent, const char* path, REGSAM access = KEY_ALL_ACCESS);

    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

    // Whether a value of this name exists, whatever its type and data.
    bool HasValue(const char* name) const;
    // The value's type and bytes, nothing when the value is missing; read whole even when it
    // grows between two reads.
    struct RawValue {
        DWORD type;
        std::string bytes;  // as the registry gives them
        std::span<const unsigned char> Data() const {
            return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
        }
    };
    std::optional<RawValue> ReadRaw(const char* name) const;

private:
    explicit RegistryKey(HKEY key) : key_(key) {}
    HKEY key_ = nullptr;
};

// A global atom, added for as long as the object holds it.
class GlobalAtom {
public:
    GlobalAtom() = default;
    GlobalAtom(const GlobalAtom&) = delete;
    GlobalAtom& operator=(const GlobalAtom&) = delete;
    ~GlobalAtom() { Delete(); }

    static bool Exists(const char* name) { return GlobalFindAtomA(name) != 0; }

    void Add(const char* name) {
        Delete();
        atom_ = GlobalAddAtomA(name);
    }
    void Delete() {
        if (atom_) GlobalDeleteAtom(atom_);
        atom_ = 0;
    }

private:
    ATOM atom_ = 0;
};

// An interface pointer that is released when it goes.
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

}  // namespace tk
