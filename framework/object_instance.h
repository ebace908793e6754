#pragma once
// A window procedure made for one object: a few bytes of code that put the object in the place
// of the window handle and jump to a common entry. Two such procedures on one window can chain,
// which a lookup by window property could not.
#include <windows.h>

#include <functional>

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

class TObjectInstance {
  public:
    using Handler = std::function<void(TMessage&)>;

    explicit TObjectInstance(Handler handler);
    ~TObjectInstance();
    TObjectInstance(const TObjectInstance&) = delete;
    TObjectInstance& operator=(const TObjectInstance&) = delete;

    WNDPROC Proc() const { return reinterpret_cast<WNDPROC>(code_); }

  private:
    static LRESULT CALLBACK Entry(HWND self, UINT message, WPARAM wParam, LPARAM lParam);

    Handler handler_;
    void* code_;
};
