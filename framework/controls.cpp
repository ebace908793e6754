#include "framework/controls.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/forms.h"
#include "framework/system_error.h"
#include "framework/text_encoding.h"

namespace {

constexpr wchar_t kObjectProperty[] = L"Varrow.Control";
constexpr wchar_t kControlClass[] = L"VarrowControl";

const wchar_t* ControlClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcW;  // replaced by the control's procedure on creation
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = kControlClass;
        return ::RegisterClassExW(&wc);
    }();
    return atom != 0 ? kControlClass : nullptr;
}

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {}

TWinControl::~TWinControl() {
    DestroyHandle();
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    for (TWinControl* child : children_)
        child->parent_ = nullptr;
    for (TGraphicControl* graphic : graphics_)
        graphic->parent_ = nullptr;
}

TWinControl* TWinControl::FromHandle(HWND window) {
    return static_cast<TWinControl*>(::GetPropW(window, kObjectProperty));
}

HWND TWinControl::Handle() {
    if (handle_ == nullptr)
        CreateHandle();
    return handle_;
}

void TWinControl::RecreateWnd() {
    if (handle_ == nullptr)
        return;
    DestroyHandle();
    CreateHandle();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->children_.push_back(this);
        id_ = ++parent_->lastChildId_;
    }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    bounds_ = {left, top, left + width, top + height};
    if (handle_ != nullptr)
        ApplyBounds();
}

void TWinControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (handle_ != nullptr) {
        ::SetWindowTextW(handle_, Utf8ToWide(caption).c_str());
        TextChanged();
    }
}

void TWinControl::SetFont(const TFontSpec& font) {
    font_ = font;
    ownFont_ = true;
    hfont_.Reset();
}

void TWinControl::SetVisible(bool visible) {
    visible_ = visible;
    if (handle_ != nullptr)
        ::ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

TForm* TWinControl::ParentForm() {
    for (TWinControl* c = this; c != nullptr; c = c->parent_) {
        if (auto* form = dynamic_cast<TForm*>(c))
            return form;
    }
    return nullptr;
}

int TWinControl::Scale(int designPixels) {
    TForm* form = ParentForm();
    return form != nullptr ? form->ScaleValue(designPixels) : designPixels;
}

const TFontSpec& TWinControl::FontSpec() const {
    if (ownFont_ || parent_ == nullptr)
        return font_;
    return parent_->FontSpec();
}

HFONT TWinControl::Font() {
    if (!ownFont_ && parent_ != nullptr)
        return parent_->Font();
    if (!hfont_) {
        static const int dpi = ScreenDpi();
        LOGFONTW lf{};
        lf.lfHeight = -::MulDiv(font_.height, dpi, 96);
        lf.lfWeight = font_.bold ? FW_BOLD : FW_NORMAL;
        lf.lfUnderline = font_.underline;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, font_.face.c_str(), LF_FACESIZE);
        hfont_.Reset(::CreateFontIndirectW(&lf));
    }
    return static_cast<HFONT>(hfont_.Get());
}

void TWinControl::ApplyBounds() {
    const RECT& b = bounds_;
    ::SetWindowPos(handle_, nullptr, Scale(b.left), Scale(b.top), Scale(b.right - b.left),
                   Scale(b.bottom - b.top), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::CreateHandle() {
    HWND parentWindow = parent_ != nullptr ? parent_->Handle() : nullptr;
    // Making the parent's window makes those of its children, this one among them.
    if (handle_ != nullptr)
        return;
    const CreateParams params = GetCreateParams();
    DWORD style = params.style;
    if (parent_ != nullptr)
        style |= WS_CHILD | (visible_ ? WS_VISIBLE : 0);
    if (tabStop_)
        style |= WS_TABSTOP;
    const wchar_t* className = params.className != nullptr ? params.className : ControlClass();
    const RECT& b = bounds_;
    // A top-level window goes where the system places new windows; a form sizes itself.
    const int left = parent_ != nullptr ? Scale(b.left) : CW_USEDEFAULT;
    const int top = parent_ != nullptr ? Scale(b.top) : CW_USEDEFAULT;
    HWND window = ::CreateWindowExW(
        params.exStyle, className, Utf8ToWide(caption_).c_str(), style, left, top,
        Scale(b.right - b.left), Scale(b.bottom - b.top), parentWindow,
        parent_ != nullptr ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)) : nullptr,
        ::GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        const DWORD code = ::GetLastError();
        throw Exception("ウィンドウを作成できません。" + SystemErrorText(code));
    }
    Attach(window);
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    CreateWnd();
    for (TWinControl* child : std::vector<TWinControl*>(children_)) {
        if (child->handle_ == nullptr)
            child->CreateHandle();
    }
}

void TWinControl::Attach(HWND window) {
    handle_ = window;
    ::SetPropW(window, kObjectProperty, this);
    classProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CommonProc)));
}

void TWinControl::DestroyHandle() {
    if (handle_ != nullptr)
        ::DestroyWindow(handle_);  // WM_NCDESTROY clears handle_
    handle_ = nullptr;
}

LRESULT CALLBACK TWinControl::CommonProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* self = FromHandle(window);
    if (self == nullptr)
        return ::DefWindowProcW(window, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    try {
        self->WndProc(m);
    } catch (...) {
        Application->HandleException(self);
    }
    // self may be gone here: a released form deletes itself.
    return m.Result;
}

void TWinControl::DefaultHandler(TMessage& m) {
    m.Result = ::CallWindowProcW(classProc_, handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_COMMAND:
            if (m.LParam != 0) {
                if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.LParam))) {
                    if (child != this) {
                        child->CommandNotify(HIWORD(m.WParam));
                        return;
                    }
                }
            }
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(m.LParam);
            if (TWinControl* child = FromHandle(header->hwndFrom);
                child != nullptr && child != this) {
                m.Result = child->Notify(header);
                return;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.LParam))) {
                if (HBRUSH brush = child->CtlColor(reinterpret_cast<HDC>(m.WParam))) {
                    m.Result = reinterpret_cast<LRESULT>(brush);
                    return;
                }
            }
            break;
        case WM_NCDESTROY: {
            DefaultHandler(m);
            ::RemovePropW(handle_, kObjectProperty);
            handle_ = nullptr;
            return;
        }
        default:
            break;
    }
    DefaultHandler(m);
}

void TWinControl::CommandNotify(WORD) {}
LRESULT TWinControl::Notify(NMHDR*) {
    return 0;
}
HBRUSH TWinControl::CtlColor(HDC) {
    return nullptr;
}

// ---- TGraphicControl ----

TGraphicControl::~TGraphicControl() {
    SetParent(nullptr);
}

void TGraphicControl::SetParent(TWinControl* parent) {
    if (parent_ != nullptr) {
        auto& list = parent_->graphics_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    parent_ = parent;
    if (parent_ != nullptr)
        parent_->graphics_.push_back(this);
}

void TBevel::Paint(HDC dc, const RECT& r) {
    RECT frame = r;
    ::DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
}

// ---- TPanel ----

TWinControl::CreateParams TPanel::GetCreateParams() {
    return {nullptr, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

void TPanel::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(WindowHandle(), &ps);
        RECT client;
        ::GetClientRect(WindowHandle(), &client);
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
        ::DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);  // one-pixel raised bevel
        ::EndPaint(WindowHandle(), &ps);
        return;
    }
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return;
    }
    TWinControl::WndProc(m);
}

// ---- TLabel ----

TWinControl::CreateParams TLabel::GetCreateParams() {
    const DWORD alignment = alignRight_ ? SS_RIGHT : wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
    return {L"STATIC", SS_NOTIFY | SS_NOPREFIX | alignment, 0};
}

void TLabel::SetLinkLook(bool transparent) {
    link_ = true;
    transparent_ = transparent;
    SetFont({L"ＭＳ Ｐゴシック", 12, false, true, RGB(0, 0, 255)});
}

void TLabel::CreateWnd() {
    if (autoSize_)
        FitToText();
}

void TLabel::FitToText() {
    HDC dc = ::GetDC(WindowHandle());
    HGDIOBJ old = ::SelectObject(dc, Font());
    const std::wstring text = Utf8ToWide(Caption());
    RECT extent{0, 0, 0, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent,
                DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, old);
    ::ReleaseDC(WindowHandle(), dc);
    const RECT b = DesignBounds();
    const int width = extent.right, height = std::max<int>(extent.bottom, Scale(b.bottom - b.top));
    const int left = alignRight_ ? Scale(b.right) - width : Scale(b.left);
    // A shorter text leaves part of the old one outside the new size: the parent repaints it.
    if (HWND parent = ::GetParent(WindowHandle())) {
        RECT old;
        ::GetWindowRect(WindowHandle(), &old);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&old), 2);
        ::InvalidateRect(parent, &old, TRUE);
    }
    ::SetWindowPos(WindowHandle(), nullptr, left, Scale(b.top), width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void TLabel::WndProc(TMessage& m) {
    if (m.Msg == WM_SETCURSOR && link_) {
        ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        m.Result = TRUE;
        return;
    }
    TWinControl::WndProc(m);
}

void TLabel::CommandNotify(WORD code) {
    if (code == STN_CLICKED && OnClick)
        OnClick(this);
}

HBRUSH TLabel::CtlColor(HDC dc) {
    const COLORREF color = FontSpec().color;
    ::SetTextColor(dc, color == kWindowTextColor ? ::GetSysColor(COLOR_WINDOWTEXT) : color);
    // Every surface a label stands on is button-face, so a transparent label fills with that:
    // a hollow brush would leave whatever was on the screen under a parent that clips its
    // children.
    if (transparent_)
        ::SetBkMode(dc, TRANSPARENT);
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

// ---- TButton ----

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

TWinControl::CreateParams TButton::GetCreateParams() {
    return {L"BUTTON", static_cast<DWORD>(default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
}

void TButton::Click() {
    if (OnClick)
        OnClick(this);
}

void TButton::CommandNotify(WORD code) {
    if (code == BN_CLICKED)
        Click();
}

// ---- TGroupBox ----

TWinControl::CreateParams TGroupBox::GetCreateParams() {
    return {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
}

void TGroupBox::WndProc(TMessage& m) {
    // The system's group box paints only its frame and caption; the inside is ours.
    if (m.Msg == WM_ERASEBKGND) {
        RECT client;
        ::GetClientRect(WindowHandle(), &client);
        ::FillRect(reinterpret_cast<HDC>(m.WParam), &client, ::GetSysColorBrush(COLOR_BTNFACE));
        m.Result = 1;
        return;
    }
    TWinControl::WndProc(m);
}

HBRUSH TGroupBox::CtlColor(HDC dc) {
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

// ---- TImage ----

TWinControl::CreateParams TImage::GetCreateParams() {
    return {L"STATIC", SS_ICON | SS_NOTIFY | SS_REALSIZECONTROL, 0};
}

void TImage::CreateWnd() {
    if (iconId_ == 0)
        return;
    const RECT b = DesignBounds();
    icon_.Reset(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId_), IMAGE_ICON,
                     Scale(b.right - b.left), Scale(b.bottom - b.top), LR_DEFAULTCOLOR)));
    ::SendMessageW(WindowHandle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_.Get()), 0);
}

HBRUSH TImage::CtlColor(HDC dc) {
    ::SetBkMode(dc, TRANSPARENT);
    return ::GetSysColorBrush(COLOR_BTNFACE);
}
