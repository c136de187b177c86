// Tells whether a component still exists after code that may have freed it ran (a menu item's
// command, a close handler).
#pragma once

#include "framework/core/component.h"

namespace skin {

class ComponentWatch : public framework::TComponent {
  public:
    explicit ComponentWatch(framework::TComponent* watched) : TComponent(nullptr), watched_(watched) {
        if (watched_)
            watched_->FreeNotification(this);
    }
    ~ComponentWatch() override {
        if (watched_)
            watched_->RemoveFreeNotification(this);
    }
    bool Alive() const { return watched_ != nullptr; }

  protected:
    void Notification(framework::TComponent* component, framework::Operation operation) override {
        TComponent::Notification(component, operation);
        if (operation == framework::Operation::opRemove && component == watched_)
            watched_ = nullptr;
    }

  private:
    framework::TComponent* watched_;
};

}  // namespace skin
