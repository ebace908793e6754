#pragma once
// Top-level forms: the main window and modal dialogs.
#include <windows.h>

#include "framework/controls.h"

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

enum class TBorderStyle { Single, Dialog };
enum class TPosition { Default, ScreenCenter };

class TForm : public TWinControl {
  public:
    explicit TForm(TComponent* owner);

    void SetClientSize(int width, int height) { clientWidth_ = width, clientHeight_ = height; }
    void SetBorderStyle(TBorderStyle style) { borderStyle_ = style; }
    void SetPosition(TPosition position) { position_ = position; }
    void SetTopMost(bool topMost) { topMost_ = topMost; }
    void SetShowHint(bool showHint) { showHint_ = showHint; }
    void SetContextHelp(bool help) { contextHelp_ = help; }
    // The control that has the focus when the form is shown.
    void SetActiveControl(TWinControl* control) { activeControl_ = control; }

    void Show();
    // Runs a nested message loop until the form closes; the rest of the program is disabled.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    // A modal form ends its loop; the main form ends the program.
    void Close();
    // Destroys the form once the message being handled is done.
    void Release();

    // Design pixels to screen pixels: the font's actual text height over 12.
    int ScaleValue(int designPixels);

    static TForm* FromHandle(HWND window);

    TNotifyEvent OnShow;
    std::function<void(TObject*, HDC)> OnPaint;

  protected:
    CreateParams GetCreateParams() override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

  private:
    void Paint();
    void AddHints();

    int clientWidth_ = 0, clientHeight_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::Single;
    TPosition position_ = TPosition::Default;
    bool topMost_ = false;
    bool showHint_ = false;
    bool contextHelp_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    int scaleNumerator_ = 0;  // the font's character height, once known
    TWinControl* activeControl_ = nullptr;
    HWND tooltip_ = nullptr;
};

// Makes a control owned by form on parent at the design's place, with its caption; extra
// arguments go to the control's constructor.
template <typename Control, typename... Extra>
Control* PlaceControl(TForm* form, TWinControl* parent, RECT bounds, const char* caption,
                      Extra... extra) {
    auto* control = new Control(form, extra...);
    control->SetParent(parent);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    control->SetCaption(caption);
    return control;
}
