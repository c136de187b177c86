#include "framework/core/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/exception.h"

using namespace framework;

namespace {

// Records every notice it gets and drops its reference to a removed peer, as real components do.
class Recorder : public TComponent {
  public:
    Recorder(TComponent* owner, std::vector<std::string>* log, std::string tag)
        : TComponent(owner), log_(log), tag_(std::move(tag)) {}
    TComponent* peer = nullptr;

  protected:
    void Notification(TComponent* c, Operation op) override {
        TComponent::Notification(c, op);
        if (op == Operation::opRemove) {
            log_->push_back(tag_ + " saw removal of " + c->Name());
            if (c == peer)
                peer = nullptr;
        }
    }

  private:
    std::vector<std::string>* log_;
    std::string tag_;
};

TEST(Component, OwnerDestroysItsComponentsLastCreatedFirst) {
    std::vector<std::string> log;
    auto* owner = new Recorder(nullptr, &log, "owner");
    auto* a = new Recorder(owner, &log, "a");
    a->SetName("a");
    auto* b = new Recorder(owner, &log, "b");
    b->SetName("b");
    ASSERT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->FindComponent("B"), b) << "names are case-insensitive";
    delete owner;
    // b goes first; a, still alive, hears of it. (The owner's own override is gone by then.)
    // Every owned component hears of each removal, its own included.
    EXPECT_EQ(log,
              (std::vector<std::string>{"a saw removal of b", "b saw removal of b", "a saw removal of a"}));
}

TEST(Component, SiblingsAndFreeNotifiedComponentsClearTheirReferences) {
    std::vector<std::string> log;
    TComponent root(nullptr);
    auto* holder = new Recorder(&root, &log, "holder");
    auto* sibling = new Recorder(&root, &log, "sibling");
    holder->peer = sibling;
    delete sibling;
    EXPECT_EQ(holder->peer, nullptr);

    // A component owned elsewhere is only heard of through FreeNotification.
    TComponent elsewhere(nullptr);
    auto* stranger = new Recorder(&elsewhere, &log, "stranger");
    holder->peer = stranger;
    holder->FreeNotification(stranger);
    delete stranger;
    EXPECT_EQ(holder->peer, nullptr);
}

TEST(Component, FreeNotificationIsForgottenWhenTheListenerGoesFirst) {
    std::vector<std::string> log;
    TComponent a(nullptr), b(nullptr);
    auto* listener = new Recorder(&a, &log, "listener");
    auto* target = new Recorder(&b, &log, "target");
    listener->FreeNotification(target);
    delete listener;
    log.clear();
    delete target;  // must not reach the deleted listener
    EXPECT_TRUE(log.empty() || log == std::vector<std::string>{"target saw removal of "});
}

TEST(Component, NamesMustBeIdentifiersAndUniqueAmongSiblings) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    a->SetName("m_tab");
    EXPECT_THROW(b->SetName("M_TAB"), EComponentError);
    EXPECT_THROW(b->SetName("2tabs"), EComponentError);
    EXPECT_THROW(b->SetName("m tab"), EComponentError);
    b->SetName("m_web");
    EXPECT_EQ(b->Name(), "m_web");
}

TEST(Component, LoadedClearsTheLoadingFlag) {
    TComponent c(nullptr);
    c.SetLoading();
    EXPECT_TRUE(c.InState(csLoading));
    c.Loaded();
    EXPECT_FALSE(c.InState(csLoading));
}

}  // namespace
