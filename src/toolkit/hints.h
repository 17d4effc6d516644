// Which hint belongs to the point under the mouse pointer: windows that carry hints register a
// source, and the application asks the one under the pointer when it is idle.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tk {

class HintSource {
public:
    // The whole hint ("short|long") of what lies at this screen point, or empty.
    virtual std::string HintAt(POINT screen) const = 0;
    // The pointer is over the source's window: what shows only on hover may be made now.
    virtual void PointerOver(POINT) {}

protected:
    ~HintSource() = default;
};

class HintTracker {
public:
    void Register(HWND window, HintSource* source);
    void Unregister(HWND window);
    // The hint of the registered window under the point, or of its nearest registered ancestor.
    std::string HintAt(POINT screen);

private:
    struct Entry {
        HWND window;
        HintSource* source;
    };
    HintSource* Find(HWND window) const;

    std::vector<Entry> entries_;
};

}  // namespace tk
