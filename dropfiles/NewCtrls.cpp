#include "dropfiles/NewCtrls.h"

#include <vector>

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/forms.h"

namespace {

// A window procedure lives in GWL_WNDPROC; 64-bit Windows spells the same call the Ptr way.
LONG_PTR GetWindowProcA(HWND window) {
#ifdef _WIN64
    return ::GetWindowLongPtrA(window, GWLP_WNDPROC);
#else
    return ::GetWindowLongA(window, GWL_WNDPROC);
#endif
}

void SetWindowProcA(HWND window, LONG_PTR proc) {
#ifdef _WIN64
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, proc);
#else
    ::SetWindowLongA(window, GWL_WNDPROC, proc);
#endif
}

}  // namespace

TFileDrop::TFileDrop(TComponent* owner)
    : TComponent(owner), HookInstance([this](TMessage& m) { HookedWndProc(m); }) {}

TFileDrop::~TFileDrop() {
    UnhookWindow();
}

void TFileDrop::SetAccept(bool value) {
    if (value == accept_)
        return;
    accept_ = value;
    if (HookedWindow != nullptr)
        ::DragAcceptFiles(HookedWindow, value);
}

void TFileDrop::SetControl(TWinControl* value) {
    UnhookWindow();
    control_ = value;
    if (control_ != nullptr)
        FreeNotification(control_);
    HookWindow();
}

void TFileDrop::Loaded() {
    TComponent::Loaded();
    if (control_ == nullptr)
        SetControl(nullptr);
}

void TFileDrop::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    // The window may be gone with the control: forget it without touching any window.
    if (operation == TOperation::opRemove && component == control_) {
        control_ = nullptr;
        accept_ = false;
    }
}

HWND TFileDrop::TargetWindow(bool create) {
    TWinControl* target = control_ != nullptr ? control_ : dynamic_cast<TForm*>(Owner());
    if (target == nullptr)
        return nullptr;
    return create ? target->Handle() : target->WindowHandle();
}

void TFileDrop::HookWindow() {
    if (DesignMode())
        return;
    HWND target = TargetWindow(true);
    if (target == nullptr)
        throw Exception("Invalidate Window Handle in FileDrop");
    HookedWindow = target;
    SavedWndProc = reinterpret_cast<WNDPROC>(GetWindowProcA(HookedWindow));
    SetWindowProcA(HookedWindow, reinterpret_cast<LONG_PTR>(HookInstance.Proc()));
    ::DragAcceptFiles(HookedWindow, accept_);
}

void TFileDrop::UnhookWindow() {
    if (DesignMode())
        return;
    if (HookedWindow != nullptr) {
        HWND current = TargetWindow(false);
        if (current != nullptr && current == HookedWindow) {
            SetWindowProcA(HookedWindow, reinterpret_cast<LONG_PTR>(SavedWndProc));
        }
    }
    HookedWindow = nullptr;
}

void TFileDrop::HookedWndProc(TMessage& m) {
    if (m.Msg == WM_DROPFILES) {
        const auto drop = reinterpret_cast<HDROP>(m.WParam);
        try {
            ProcessDrop(drop);
        } catch (...) {
            Application->HandleException(this);
        }
        ::DragFinish(drop);
        return;
    }
    m.Result = ::CallWindowProcA(SavedWndProc, HookedWindow, m.Msg, m.WParam, m.LParam);
}

void TFileDrop::ProcessDrop(HDROP drop) {
    if (!OnFileDrop)
        return;
    TStringList files;
    POINT point{};
    ::DragQueryPoint(drop, &point);
    const int count = static_cast<int>(::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0));
    std::vector<char> buffer;
    for (int i = 0; i < count; ++i) {
        // Each name whole: a name cut short could name another file, which would then be
        // stamped or read in the user's place.
        const UINT length = ::DragQueryFileA(drop, static_cast<UINT>(i), nullptr, 0);
        buffer.assign(length + 1, '\0');
        ::DragQueryFileA(drop, static_cast<UINT>(i), buffer.data(), length + 1);
        files.Add(buffer.data());
    }
    OnFileDrop(this, count, files, point.x, point.y);
}
