#pragma once
// TFileDrop: makes a windowed control accept files dropped from the shell and reports each drop
// as one event with the names, their number and the drop point.
#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "framework/component.h"
#include "framework/controls.h"
#include "framework/object_instance.h"
#include "framework/string_list.h"

using TFileDropEvent = std::function<void(TObject* Sender, int Num, TStrings& Files, int X, int Y)>;

class TFileDrop : public TComponent {
  public:
    explicit TFileDrop(TComponent* owner);
    ~TFileDrop() override;

    bool Accept() const { return accept_; }
    void SetAccept(bool value);
    // The control whose window takes the drops; none means the owner form's window.
    TWinControl* Control() const { return control_; }
    void SetControl(TWinControl* value);

    TFileDropEvent OnFileDrop;

    // What the tests look at.
    HWND HookedWindowForTest() const { return HookedWindow; }
    WNDPROC HookProcForTest() const { return HookInstance.Proc(); }

  protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    virtual void ProcessDrop(HDROP drop);
    virtual void HookWindow();
    virtual void UnhookWindow();

  private:
    void HookedWndProc(TMessage& message);
    // The target's window: the control's, else the owner form's; none when there is neither.
    HWND TargetWindow(bool create);

    bool accept_ = true;
    TWinControl* control_ = nullptr;
    HWND HookedWindow = nullptr;
    TObjectInstance HookInstance;
    WNDPROC SavedWndProc = nullptr;
};
