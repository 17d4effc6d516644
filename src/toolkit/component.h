// Non-visual component basics: an owner, the owner's list of its components, the loaded and
// component-removed notifications, and the design-mode flag.
//
// Components live as members (or unique_ptr members) of their owner, so C++ lifetime destroys
// them with it; the owner's list only carries notifications. No <windows.h>.
#pragma once

#include <vector>

namespace tk {

enum class Operation { Insert, Remove };

class Component {
public:
    // `designing` marks a component held by a form designer; the running program never sets it.
    explicit Component(Component* owner = nullptr, bool designing = false);
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    // Tells the owner, and through it every other component of the owner, that this one is going.
    virtual ~Component();

    Component* Owner() const { return owner_; }
    bool Designing() const { return designing_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }

    // Sends the loaded notification to every owned component, once their stored properties are set.
    void NotifyLoaded();

protected:
    virtual void Loaded() {}
    // The base passes the notification on to every owned component.
    virtual void Notification(Component* component, Operation operation);

private:
    void InsertComponent(Component* component);
    void RemoveComponent(Component* component);

    Component* owner_;
    bool designing_;
    std::vector<Component*> components_;
};

}  // namespace tk
