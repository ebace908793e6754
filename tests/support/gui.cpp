#include "tests/support/gui.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

#include "framework/application.h"
#include "framework/text_encoding.h"

namespace {

std::vector<ShownBox> recorded;

int WINAPI RecordBox(HWND, LPCWSTR text, LPCWSTR caption, UINT flags) {
    recorded.push_back({WideToUtf8(text), WideToUtf8(caption), flags});
    return IDOK;
}

std::function<bool()> modalAction;

// Every test program that drives windows needs the application initialised.
class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        Application->Initialize();
        Application->SetTitle("Varrow");
    }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

HDROP MakeDrop(const std::vector<std::string>& names, POINT point) {
    std::size_t size = sizeof(DROPFILES) + 2;  // the list ends in an empty name
    for (const std::string& name : names)
        size += name.size() + 1;
    HGLOBAL memory = ::GlobalAlloc(GHND, size);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = point;
    header->fNC = FALSE;
    header->fWide = FALSE;
    char* p = reinterpret_cast<char*>(header + 1);
    for (const std::string& name : names) {
        std::memcpy(p, name.c_str(), name.size() + 1);
        p += name.size() + 1;
    }
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

bool DropReleased(HDROP drop) {
    return ::GlobalSize(drop) == 0;
}

void SendDrop(HWND window, const std::vector<std::string>& names, POINT point) {
    HDROP drop = MakeDrop(names, point);
    ::SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_TRUE(DropReleased(drop)) << "the drop was not finished";
}

RecordedBoxes::RecordedBoxes() {
    recorded.clear();
    Application->MessageBoxFunction = RecordBox;
}

RecordedBoxes::~RecordedBoxes() {
    Application->MessageBoxFunction = ::MessageBoxW;
}

const std::vector<ShownBox>& RecordedBoxes::Boxes() const {
    return recorded;
}

WhileModal::WhileModal(std::function<bool()> action) {
    modalAction = std::move(action);
    timer_ = ::SetTimer(nullptr, 0, 50, Tick);
}

WhileModal::~WhileModal() {
    ::KillTimer(nullptr, timer_);
    modalAction = nullptr;
}

void CALLBACK WhileModal::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (modalAction && modalAction())
        modalAction = nullptr;
}

HWND FindThreadDialog(HWND except) {
    struct Search {
        HWND except, found;
    } search{except, nullptr};
    struct Visit {
        static BOOL CALLBACK Window(HWND w, LPARAM p) {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t name[64];
            ::GetClassNameW(w, name, 64);
            if (w != s->except && ::IsWindowVisible(w) && std::wcscmp(name, L"#32770") == 0) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        }
    };
    ::EnumThreadWindows(::GetCurrentThreadId(), Visit::Window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(window, text, 1024);
    return WideToUtf8(text);
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}
