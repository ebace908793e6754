#pragma once
// The application object: title, main form, message loop, and the one way every error reaches
// the user.
#include <windows.h>

#include <string>

#include "framework/component.h"

class TForm;

class TApplication : public TComponent {
  public:
    TApplication();

    void Initialize();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Creates a form owned by the application; the first one becomes the main form.
    template <typename Form>
    Form* CreateForm() {
        auto* form = new Form(this);
        if (mainForm_ == nullptr)
            mainForm_ = form;
        return form;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and dispatches messages until it closes.
    void Run();
    // Dispatches one message; false for WM_QUIT.
    bool HandleMessage();

    // To be called inside a catch block: shows the error being handled.
    void HandleException(TObject* sender);
    void ShowException(const std::string& message);

    // A message box (UTF-8 texts) during which the always-on-top windows step back.
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

    // While a modal dialog or a message box is up, the main form gives up always-on-top.
    void NormalizeTopMosts();
    void RestoreTopMosts();

    // Replaced by tests to see what would be shown without a real box.
    using MessageBoxFn = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);
    MessageBoxFn MessageBoxFunction = ::MessageBoxW;

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    std::string title_;
    TForm* mainForm_ = nullptr;
    int topMostLevel_ = 0;
    bool mainWasTopMost_ = false;
};

extern TApplication* const Application;
