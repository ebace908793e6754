#include "framework/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <map>

namespace {
std::vector<std::string> events;
// A notice may arrive while the component's own destructor is running: receivers only compare
// the pointer, and so does this record.
std::map<const TComponent*, std::string> names;

class Probe : public TComponent {
  public:
    Probe(TComponent* owner, std::string name) : TComponent(owner), name_(std::move(name)) {
        names[this] = name_;
    }
    ~Probe() override { events.push_back("destroy " + name_); }
    void Watch(TComponent* other) { FreeNotification(other); }

  protected:
    void Loaded() override { events.push_back("loaded " + name_); }
    void Notification(TComponent* component, TOperation operation) override {
        if (operation == TOperation::opRemove) {
            events.push_back(name_ + " told of " + names[component]);
        }
    }

  private:
    std::string name_;
};
}  // namespace

TEST(Component, AnOwnerFreesWhatItOwnsLastFirstAndTellsWatchers) {
    events.clear();
    auto* watcher = new Probe(nullptr, "watcher");
    {
        Probe owner(nullptr, "owner");
        auto* a = new Probe(&owner, "a");
        new Probe(&owner, "b");
        watcher->Watch(a);
        owner.LoadFinished();
    }
    delete watcher;
    // The owner, itself going, hears nothing; the watcher hears of a.
    EXPECT_EQ(events,
              (std::vector<std::string>{"loaded a", "loaded b", "destroy owner", "destroy b",
                                        "destroy a", "watcher told of a", "destroy watcher"}));
}

TEST(Component, AWatcherDestroyedFirstIsNotCalledLater) {
    events.clear();
    auto* watched = new Probe(nullptr, "watched");
    auto* watcher = new Probe(nullptr, "watcher");
    watcher->Watch(watched);
    watcher->Watch(watched);  // registering twice tells once
    delete watcher;
    delete watched;  // would reach freed memory if the registration were left behind
    EXPECT_EQ(events, (std::vector<std::string>{"destroy watcher", "destroy watched"}));
}

TEST(Component, AnOwnerThatStaysHearsOfAComponentDestroyedAlone) {
    events.clear();
    Probe owner(nullptr, "owner");
    delete new Probe(&owner, "x");
    EXPECT_EQ(events, (std::vector<std::string>{"destroy x", "owner told of x"}));
    EXPECT_TRUE(owner.Components().empty());
}

TEST(Component, DesignModeComesFromTheOwner) {
    Probe owner(nullptr, "o");
    owner.SetDesignMode(true);
    auto* child = new Probe(&owner, "c");
    EXPECT_TRUE(child->DesignMode());
    EXPECT_EQ(child->Owner(), &owner);
}
