#include "framework/component.h"

#include <algorithm>

namespace {
void Erase(std::vector<TComponent*>& list, TComponent* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
}  // namespace

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_ != nullptr) {
        designing_ = owner_->designing_;
        owner_->Insert(this);
    }
}

TComponent::~TComponent() {
    // Nothing may call back into this one while it goes.
    for (TComponent* watched : std::vector<TComponent*>(watched_)) {
        Erase(watched->subscribers_, this);
    }
    while (!subscribers_.empty()) {
        TComponent* subscriber = subscribers_.back();
        subscribers_.pop_back();
        Erase(subscriber->watched_, this);
        subscriber->Notification(this, TOperation::opRemove);
    }
    while (!components_.empty()) {
        TComponent* component = components_.back();
        Remove(component);
        component->owner_ = nullptr;
        delete component;
    }
    if (owner_ != nullptr)
        owner_->Remove(this);
}

void TComponent::FreeNotification(TComponent* other) {
    if (other == nullptr || other == this)
        return;
    if (std::find(other->subscribers_.begin(), other->subscribers_.end(), this) ==
        other->subscribers_.end()) {
        other->subscribers_.push_back(this);
        watched_.push_back(other);
    }
}

void TComponent::LoadFinished() {
    for (TComponent* component : std::vector<TComponent*>(components_))
        component->Loaded();
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::Remove(TComponent* component) {
    Erase(components_, component);
    Notification(component, TOperation::opRemove);
}
