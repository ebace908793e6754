#pragma once
// Helpers for tests that drive real windows: drops built in memory, the exception display
// recorded instead of shown, and a watcher that acts on a modal box while it is up.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

// A real drop handle, as the shell makes one, over names in the system code page.
HDROP MakeDrop(const std::vector<std::string>& names, POINT point = {10, 20});
// Whether DragFinish has released the handle.
bool DropReleased(HDROP drop);
// Sends the drop notice to a window, as the shell does.
void SendDrop(HWND window, const std::vector<std::string>& names, POINT point = {10, 20});

struct ShownBox {
    std::string text, caption;
    UINT flags;
};

// While alive, message boxes of the application are recorded, not shown.
class RecordedBoxes {
  public:
    RecordedBoxes();
    ~RecordedBoxes();
    const std::vector<ShownBox>& Boxes() const;
};

// Runs action on a timer inside whatever modal loop is running, until it returns true.
class WhileModal {
  public:
    explicit WhileModal(std::function<bool()> action);
    ~WhileModal();

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_;
};

// The visible dialog-class window of this thread other than the given one, or nullptr.
HWND FindThreadDialog(HWND except = nullptr);
std::string WindowText(HWND window);
// Dispatches what is waiting.
void PumpMessages();
