#include "framework/memo.h"

#include "framework/text_encoding.h"

void TMemoLines::Add(std::string line) {
    lines_.push_back(std::move(line));
    memo_.AppendToWindow(lines_.back(), lines_.size() == 1);
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner), lines_(*this) {
    SetTabStop(true);
}

TWinControl::CreateParams TMemo::GetCreateParams() {
    return {L"EDIT",
            ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL,
            WS_EX_CLIENTEDGE};
}

void TMemo::CreateWnd() {
    // The default limit of about 32,000 characters would silently drop later digests.
    ::SendMessageW(WindowHandle(), EM_SETLIMITTEXT, 0, 0);
    std::wstring text;
    for (const std::string& line : lines_.lines_) {
        if (!text.empty())
            text += L"\r\n";
        text += AnsiToWide(line);
    }
    ::SetWindowTextW(WindowHandle(), text.c_str());
}

void TMemo::AppendToWindow(const std::string& line, bool first) {
    if (!HandleAllocated())
        return;
    const std::wstring text = (first ? L"" : L"\r\n") + AnsiToWide(line);
    const auto end = static_cast<WPARAM>(::GetWindowTextLengthW(WindowHandle()));
    ::SendMessageW(WindowHandle(), EM_SETSEL, end, static_cast<LPARAM>(end));
    ::SendMessageW(WindowHandle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

HBRUSH TMemo::CtlColor(HDC dc) {
    // Read-only, but white like any text box one copies from.
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    return ::GetSysColorBrush(COLOR_WINDOW);
}
