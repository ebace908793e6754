#pragma once
// Windowed controls over Win32. One window procedure serves them all: it finds the object of
// the window and dispatches to it, and hands every exception that escapes to the application.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/handles.h"
#include "framework/object_instance.h"

using TNotifyEvent = std::function<void(TObject* sender)>;

// A colour that stands for the system's window-text colour.
constexpr COLORREF kWindowTextColor = 0xFF000000;

// A font as the designs give it: face, character height in pixels at 96 dots per inch.
struct TFontSpec {
    std::wstring face = L"MS UI Gothic";
    int height = 12;
    bool bold = false;
    bool underline = false;
    COLORREF color = kWindowTextColor;
};

class TForm;
class TGraphicControl;

class TWinControl : public TComponent {
  public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, made first if there is none (with the windows of the parents).
    HWND Handle();
    // The window if there is one; never makes one.
    HWND WindowHandle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Destroys the window and makes a new one, as a change of window style needs.
    void RecreateWnd();

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);

    // Position and size in the design's pixels; the form scales them to the screen.
    void SetBounds(int left, int top, int width, int height);
    RECT DesignBounds() const { return bounds_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    void SetFont(const TFontSpec& font);
    void SetHint(const std::string& hint) { hint_ = hint; }
    const std::string& Hint() const { return hint_; }
    void SetVisible(bool visible);
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

    TNotifyEvent OnClick;

    static TWinControl* FromHandle(HWND window);

  protected:
    struct CreateParams {
        const wchar_t* className;  // nullptr: the control's own registered class
        DWORD style;
        DWORD exStyle;
    };
    virtual CreateParams GetCreateParams() = 0;
    // Called when the window has been made.
    virtual void CreateWnd() {}
    // Called when the caption of an existing window has changed.
    virtual void TextChanged() {}

    // Every message of the window; the default hands it to the class's own procedure.
    virtual void WndProc(TMessage& message);
    void DefaultHandler(TMessage& message);

    // Notifications the parent forwards to the control that sent them.
    virtual void CommandNotify(WORD code);
    virtual LRESULT Notify(NMHDR* header);
    // The brush for WM_CTLCOLOR*, or nullptr for the default.
    virtual HBRUSH CtlColor(HDC dc);

    TForm* ParentForm();
    int Scale(int designPixels);
    HFONT Font();
    const TFontSpec& FontSpec() const;

  private:
    friend class TGraphicControl;
    friend class TForm;
    static LRESULT CALLBACK CommonProc(HWND, UINT, WPARAM, LPARAM);
    void CreateHandle();
    void DestroyHandle();
    void Attach(HWND window);
    void ApplyBounds();

    HWND handle_ = nullptr;
    WNDPROC classProc_ = nullptr;  // the procedure of the window's class
    TWinControl* parent_ = nullptr;
    std::vector<TWinControl*> children_;
    std::vector<TGraphicControl*> graphics_;
    RECT bounds_{};
    std::string caption_;
    std::string hint_;
    TFontSpec font_;
    bool ownFont_ = false;
    UniqueGdiObject hfont_;
    bool visible_ = true;
    bool tabStop_ = false;
    int id_ = 0;
    int lastChildId_ = 1000;
};

// A control with no window of its own, painted by its parent.
class TGraphicControl : public TComponent {
  public:
    explicit TGraphicControl(TComponent* owner) : TComponent(owner) {}
    ~TGraphicControl() override;
    void SetParent(TWinControl* parent);
    void SetBounds(int left, int top, int width, int height) {
        bounds_ = {left, top, left + width, top + height};
    }
    RECT DesignBounds() const { return bounds_; }
    virtual void Paint(HDC dc, const RECT& screenBounds) = 0;

  private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    RECT bounds_{};
};

class TBevel : public TGraphicControl {
  public:
    using TGraphicControl::TGraphicControl;
    void Paint(HDC dc, const RECT& r) override;
};

class TPanel : public TWinControl {
  public:
    using TWinControl::TWinControl;

  protected:
    CreateParams GetCreateParams() override;
    void WndProc(TMessage& message) override;
};

class TLabel : public TWinControl {
  public:
    using TWinControl::TWinControl;
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    void SetAlignRight(bool right) { alignRight_ = right; }
    void SetWordWrap(bool wrap) { wordWrap_ = wrap; }
    // Blue, underlined, a hand over it: a label that acts as a link.
    void SetLinkLook(bool transparent);

  protected:
    CreateParams GetCreateParams() override;
    void CreateWnd() override;
    void TextChanged() override { CreateWnd(); }
    void WndProc(TMessage& message) override;
    void CommandNotify(WORD code) override;
    HBRUSH CtlColor(HDC dc) override;

  private:
    void FitToText();
    bool autoSize_ = true;
    bool alignRight_ = false;
    bool wordWrap_ = false;
    bool link_ = false;
    bool transparent_ = true;
};

class TButton : public TWinControl {
  public:
    explicit TButton(TComponent* owner);
    void SetDefault(bool isDefault) { default_ = isDefault; }
    bool IsDefault() const { return default_; }
    void Click();

  protected:
    CreateParams GetCreateParams() override;
    void CommandNotify(WORD code) override;

  private:
    bool default_ = false;
};

class TGroupBox : public TWinControl {
  public:
    using TWinControl::TWinControl;

  protected:
    CreateParams GetCreateParams() override;
    void WndProc(TMessage& message) override;
    HBRUSH CtlColor(HDC dc) override;
};

class TImage : public TWinControl {
  public:
    using TWinControl::TWinControl;
    // An icon resource of the program, drawn at the control's size.
    void SetIconResource(int id) { iconId_ = id; }

  protected:
    CreateParams GetCreateParams() override;
    void CreateWnd() override;
    HBRUSH CtlColor(HDC dc) override;

  private:
    int iconId_ = 0;
    UniqueIcon icon_;
};
