#pragma once
// The component base: an owner that frees what it owns, removal notices, the after-load step
// and the design-mode flag.
#include <vector>

class TObject {
  public:
    virtual ~TObject() = default;
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TObject {
  public:
    explicit TComponent(TComponent* owner);
    // Tells every component registered for it, then frees the components it owns, last first.
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }

    bool DesignMode() const { return designing_; }
    void SetDesignMode(bool designing) { designing_ = designing; }

    // Asks to be told (Notification with opRemove) when other is destroyed.
    void FreeNotification(TComponent* other);

    // Runs the after-load step of every owned component, as a loader does at its end.
    void LoadFinished();

  protected:
    // The after-load step: called once, after all references between components are assigned.
    virtual void Loaded() {}
    virtual void Notification(TComponent*, TOperation) {}

  private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> subscribers_;  // told when this one is destroyed
    std::vector<TComponent*> watched_;      // those this one is told about
    bool designing_ = false;
};
