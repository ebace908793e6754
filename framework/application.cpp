#include "framework/application.h"

#include <commctrl.h>

#include "framework/forms.h"
#include "framework/message_text.h"
#include "framework/text_encoding.h"

namespace {
TApplication theApplication;
}  // namespace

TApplication* const Application = &theApplication;

TApplication::TApplication() : TComponent(nullptr) {}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_DATE_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component == mainForm_)
        mainForm_ = nullptr;
}

void TApplication::Run() {
    if (mainForm_ == nullptr)
        return;
    mainForm_->Show();
    while (HandleMessage()) {
    }
}

bool TApplication::HandleMessage() {
    MSG msg;
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
        return false;
    // Tab, Enter and Escape move between controls as in a dialog.
    HWND top = ::GetAncestor(msg.hwnd, GA_ROOT);
    if (top != nullptr && TForm::FromHandle(top) != nullptr && ::IsDialogMessageW(top, &msg)) {
        return true;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    return true;
}

void TApplication::HandleException(TObject*) {
    std::string message;
    try {
        throw;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "予期しないエラーが発生しました";
    }
    if (HWND captured = ::GetCapture())
        ::SendMessageW(captured, WM_CANCELMODE, 0, 0);
    ShowException(message);
}

void TApplication::ShowException(const std::string& message) {
    // Task-modal with no owner: every window of the program is disabled while it is up.
    ShowMessageBox(nullptr, WithFullStop(message), title_, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

int TApplication::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                                 UINT flags) {
    HWND active = ::GetActiveWindow();
    HWND focus = ::GetFocus();
    NormalizeTopMosts();
    const int result =
        MessageBoxFunction(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), flags);
    RestoreTopMosts();
    if (active != nullptr && ::IsWindow(active))
        ::SetActiveWindow(active);
    if (focus != nullptr && ::IsWindow(focus))
        ::SetFocus(focus);
    return result;
}

void TApplication::NormalizeTopMosts() {
    if (topMostLevel_++ > 0 || mainForm_ == nullptr || !mainForm_->HandleAllocated())
        return;
    HWND main = mainForm_->WindowHandle();
    mainWasTopMost_ = (::GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (mainWasTopMost_) {
        ::SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

void TApplication::RestoreTopMosts() {
    if (topMostLevel_ == 0 || --topMostLevel_ > 0)
        return;
    if (mainWasTopMost_ && mainForm_ != nullptr && mainForm_->HandleAllocated()) {
        ::SetWindowPos(mainForm_->WindowHandle(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    mainWasTopMost_ = false;
}
