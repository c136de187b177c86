#include "framework/core/component.h"

#include <algorithm>
#include <cctype>

#include "framework/core/exception.h"

namespace framework {

namespace {

bool IsIdentifier(const std::string& name) {
    if (name.empty())
        return false;
    auto isStart = [](unsigned char c) { return std::isalpha(c) || c == '_'; };
    if (!isStart(static_cast<unsigned char>(name[0])))
        return false;
    return std::all_of(name.begin(), name.end(), [&](char c) {
        return isStart(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c));
    });
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

void EraseOne(std::vector<TComponent*>& list, TComponent* item) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end())
        list.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    // Everyone who asked is told first, while this object is still whole.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        other->RemoveNotifier(this);
        other->Notification(this, Operation::opRemove);
    }
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
    if (name == name_)
        return;
    if (!name.empty() && !IsIdentifier(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_ && !name.empty()) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this)
            throw EComponentError("A component named " + name + " already exists");
    }
    name_ = name;
}

int TComponent::ComponentIndex() const {
    if (!owner_)
        return -1;
    auto& siblings = owner_->components_;
    auto it = std::find(siblings.begin(), siblings.end(), this);
    return it == siblings.end() ? -1 : int(it - siblings.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::SetDesigning(bool designing) {
    if (designing)
        state_ |= csDesigning;
    else
        state_ &= ~ComponentState(csDesigning);
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) {
        freeNotifies_.push_back(other);
        other->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other)
        return;
    RemoveNotifier(other);
    other->RemoveNotifier(this);
}

void TComponent::RemoveNotifier(TComponent* other) {
    EraseOne(freeNotifies_, other);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* child = components_.back();
        child->BeforeDestruction();
        // The step may have freed the child (or others) already.
        if (components_.empty() || components_.back() != child)
            continue;
        RemoveComponent(child);
        delete child;
    }
}

void TComponent::Loaded() {
    state_ &= ~ComponentState(csLoading);
}

void TComponent::Notification(TComponent* component, Operation operation) {
    if (operation == Operation::opRemove && component)
        RemoveFreeNotification(component);
    // Pass the notice on to everything this component owns, so that siblings learn of each other.
    // Iterate over a copy: a handler may free components.
    std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned)
        if (std::find(components_.begin(), components_.end(), c) != components_.end())
            c->Notification(component, operation);
}

void TComponent::InsertComponent(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, Operation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Notification(component, Operation::opRemove);
    EraseOne(components_, component);
    component->owner_ = nullptr;
}

}  // namespace framework
