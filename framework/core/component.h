// The component base: owners own and destroy their components; every component can ask to be told
// when another one goes away (removal notices), so that references between components are cleared
// before they dangle.
//
// Ownership: a component created with an owner is destroyed by that owner (last created first), or
// earlier with `delete`, which takes it out of its owner. A component without an owner belongs to
// whoever created it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/persistent.h"

namespace framework {

enum class Operation { opInsert, opRemove };

// The states a component passes through. Design mode never happens at run time, but setters whose
// behaviour depends on it test the flag all the same.
enum ComponentStateFlag : uint32_t {
    csLoading = 1u << 0,     // its form data is being applied
    csReading = 1u << 1,     // its own properties are being read
    csDesigning = 1u << 2,   // shown in a form designer
    csDestroying = 1u << 3,  // its destructor has started
};
using ComponentState = uint32_t;

class TComponent : public TPersistent {
  public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // Raises EComponentError when the name is not an identifier or a sibling already has it.
    void SetName(const std::string& name);

    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int index) const { return components_.at(size_t(index)); }
    int ComponentIndex() const;
    // The owned component of that name (case-insensitive, as names are), or nullptr.
    TComponent* FindComponent(const std::string& name) const;

    ComponentState State() const { return state_; }
    bool InState(ComponentStateFlag flag) const { return (state_ & flag) != 0; }
    void SetDesigning(bool designing);
    // Form data sets this before it applies properties and Loaded() clears it.
    void SetLoading() { state_ |= csLoading; }

    // Ask to receive Notification(other, opRemove) when `other` is destroyed, though it is not
    // owned by our owner. Both sides forget the request when either goes away.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // The finishing step after form data was applied: clears csLoading.
    virtual void Loaded();

    // Destroys the owned components now, last created first. The destructor does it anyway;
    // a derived destructor calls it first when its components still need the derived parts.
    void DestroyComponents();

  protected:
    // Run by the owner just before it frees the component (DestroyComponents), while everything
    // of the derived classes is still whole: forms run their destruction event here.
    virtual void BeforeDestruction() {}
    // Marks the component as being destroyed before its destructor chain reaches this base, so
    // that others looking at it meanwhile (a handler of its messages) know.
    void Destroying() { state_ |= csDestroying; }

    // Told about a component inserted into or removed from the owner (siblings see each other's
    // insertion and removal) and about components registered with FreeNotification. Overrides
    // clear their references to a removed component and call the base.
    virtual void Notification(TComponent* component, Operation operation);

  private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void NotifyAll(TComponent* component, Operation operation);
    void RemoveNotifier(TComponent* other);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    ComponentState state_ = 0;
};

// The component as T, or nullptr.
template <class T>
T* As(TComponent* component) {
    return dynamic_cast<T*>(component);
}

}  // namespace framework
