#include "toolkit/component.h"

#include <algorithm>

namespace tk {

Component::Component(Component* owner, bool designing) : owner_(owner), designing_(designing) {
    if (owner_) owner_->InsertComponent(this);
}

Component::~Component() {
    if (owner_) owner_->RemoveComponent(this);
    // Components that outlive their owner must not point back at it.
    for (Component* component : components_) component->owner_ = nullptr;
}

void Component::NotifyLoaded() {
    const std::vector<Component*> components = components_;
    for (Component* component : components) component->Loaded();
}

void Component::Notification(Component* component, Operation operation) {
    const std::vector<Component*> components = components_;
    for (Component* other : components)
        if (other != component) other->Notification(component, operation);
}

void Component::InsertComponent(Component* component) {
    components_.push_back(component);
    Notification(component, Operation::Insert);
}

void Component::RemoveComponent(Component* component) {
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    Notification(component, Operation::Remove);
}

}  // namespace tk
