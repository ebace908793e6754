#include "framework/forms.h"

#include <commctrl.h>

#include <vector>

#include "framework/application.h"
#include "framework/text_encoding.h"

namespace {

constexpr UINT CM_RELEASE = WM_APP + 0x100;

DWORD StyleOf(TBorderStyle border) {
    return border == TBorderStyle::Single ? WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_BORDER
                                          : WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
}

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
    if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {}

TForm* TForm::FromHandle(HWND window) {
    return dynamic_cast<TForm*>(TWinControl::FromHandle(window));
}

int TForm::ScaleValue(int designPixels) {
    if (scaleNumerator_ == 0) {
        HDC dc = ::GetDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, Font());
        TEXTMETRICW tm{};
        ::GetTextMetricsW(dc, &tm);
        ::SelectObject(dc, old);
        ::ReleaseDC(nullptr, dc);
        scaleNumerator_ = tm.tmHeight - tm.tmInternalLeading;
        if (scaleNumerator_ <= 0)
            scaleNumerator_ = FontSpec().height;
    }
    return ::MulDiv(designPixels, scaleNumerator_, FontSpec().height);
}

TWinControl::CreateParams TForm::GetCreateParams() {
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (topMost_)
        exStyle |= WS_EX_TOPMOST;
    if (borderStyle_ == TBorderStyle::Dialog)
        exStyle |= WS_EX_DLGMODALFRAME;
    if (contextHelp_)
        exStyle |= WS_EX_CONTEXTHELP;
    return {nullptr, StyleOf(borderStyle_) | WS_CLIPCHILDREN, exStyle};
}

void TForm::CreateWnd() {
    HWND window = WindowHandle();
    // The design gives the client area; the frame around it is the system's.
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE));
    RECT frame{0, 0, ScaleValue(clientWidth_), ScaleValue(clientHeight_)};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int left = 0, top = 0;
    if (position_ == TPosition::ScreenCenter) {
        RECT work;
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        left = work.left + (work.right - work.left - width) / 2;
        top = work.top + (work.bottom - work.top - height) / 2;
    } else {
        flags |= SWP_NOMOVE;  // where the system put it
    }
    ::SetWindowPos(window, nullptr, left, top, width, height, flags);
    // The program's main icon (resource 1), on the title bar and the taskbar button.
    for (auto [kind, size] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const int pixels = ::GetSystemMetrics(size);
        if (HANDLE icon = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                       pixels, pixels, LR_SHARED)) {
            ::SendMessageW(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
        }
    }
    if (Owner() != nullptr) {
        if (auto* ownerControl = dynamic_cast<TWinControl*>(Owner())) {
            if (ownerControl->HandleAllocated()) {
                ::SetWindowLongPtrW(window, GWLP_HWNDPARENT,
                                    reinterpret_cast<LONG_PTR>(ownerControl->WindowHandle()));
            }
        }
    }
}

void TForm::AddHints() {
    for (TComponent* component : Components()) {
        auto* child = dynamic_cast<TWinControl*>(component);
        if (child == nullptr || child->Hint().empty() || !child->HandleAllocated())
            continue;
        const std::wstring text = Utf8ToWide(child->Hint());
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = WindowHandle();
        info.uId = reinterpret_cast<UINT_PTR>(child->WindowHandle());
        info.lpszText = const_cast<wchar_t*>(text.c_str());
        ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void TForm::Show() {
    HWND window = Handle();
    if (showHint_ && tooltip_ == nullptr) {
        tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                     ::GetModuleHandleW(nullptr), nullptr);
        AddHints();
    }
    // A failure while filling the form is shown, and the form opens all the same.
    try {
        if (OnShow)
            OnShow(this);
    } catch (...) {
        Application->HandleException(this);
    }
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    if (activeControl_ != nullptr && activeControl_->HandleAllocated()) {
        ::SetFocus(activeControl_->WindowHandle());
    }
}

int TForm::ShowModal() {
    HWND window = Handle();
    HWND active = ::GetActiveWindow();
    // Disable every other window of the program, as a dialog's owner is disabled.
    std::vector<HWND> disabled;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectEnabledWindow,
                        reinterpret_cast<LPARAM>(&disabled));
    std::erase(disabled, window);
    for (HWND w : disabled)
        ::EnableWindow(w, FALSE);

    Application->NormalizeTopMosts();
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    while (modalResult_ == mrNone) {
        if (!Application->HandleMessage()) {
            ::PostQuitMessage(0);  // the outer loop ends too
            break;
        }
    }
    modal_ = false;
    for (HWND w : disabled) {
        if (::IsWindow(w))
            ::EnableWindow(w, TRUE);
    }
    if (HandleAllocated())
        ::ShowWindow(WindowHandle(), SW_HIDE);
    Application->RestoreTopMosts();
    if (active != nullptr && ::IsWindow(active))
        ::SetActiveWindow(active);
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
    } else if (HandleAllocated()) {
        ::DestroyWindow(WindowHandle());
    }
}

void TForm::Release() {
    if (HandleAllocated())
        ::PostMessageW(WindowHandle(), CM_RELEASE, 0, 0);
}

void TForm::Paint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(WindowHandle(), &ps);
    for (TGraphicControl* graphic : graphics_) {
        const RECT b = graphic->DesignBounds();
        graphic->Paint(
            dc, {ScaleValue(b.left), ScaleValue(b.top), ScaleValue(b.right), ScaleValue(b.bottom)});
    }
    // A failure of the painting handler must not stop the painting, and ends it properly.
    try {
        if (OnPaint)
            OnPaint(this, dc);
    } catch (...) {
        ::EndPaint(WindowHandle(), &ps);
        throw;
    }
    ::EndPaint(WindowHandle(), &ps);
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_PAINT:
            Paint();
            return;
        case WM_CLOSE:
            Close();
            return;
        case WM_DESTROY:
            if (Application->MainForm() == this)
                ::PostQuitMessage(0);
            break;
        case WM_COMMAND:
            // Enter and Escape as a dialog sends them: Enter presses the default button.
            if (m.LParam == 0 && LOWORD(m.WParam) == IDOK) {
                for (TComponent* component : Components()) {
                    auto* button = dynamic_cast<TButton*>(component);
                    if (button != nullptr && button->IsDefault())
                        button->Click();
                }
                return;
            }
            if (m.LParam == 0 && LOWORD(m.WParam) == IDCANCEL)
                return;  // Escape closes nothing
            break;
        case DM_GETDEFID:
            for (TComponent* component : Components()) {
                auto* button = dynamic_cast<TButton*>(component);
                if (button != nullptr && button->IsDefault() && button->HandleAllocated()) {
                    m.Result = MAKELRESULT(::GetDlgCtrlID(button->WindowHandle()), DC_HASDEFID);
                    return;
                }
            }
            m.Result = 0;
            return;
        case CM_RELEASE:
            delete this;
            return;
        default:
            break;
    }
    TWinControl::WndProc(m);
}
