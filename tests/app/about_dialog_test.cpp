#include "app/About.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/Varrow.h"
#include "framework/application.h"
#include "tests/support/gui.h"

namespace {

std::string BesideTheTests(const char* name) {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\') + 1) + name;
}

struct Shown {
    std::string product, version, copyright;
    bool contact, notice;
};

Shown Read(TfrmAbout* about) {
    return {WindowText(about->ProductName->WindowHandle()),
            WindowText(about->Version->WindowHandle()),
            WindowText(about->Copyright->WindowHandle()),
            ::IsWindowVisible(about->GroupBox1->WindowHandle()) != FALSE,
            ::IsWindowVisible(about->GroupBox2->WindowHandle()) != FALSE};
}

// What reaches the shell, and how many boxes had been shown by then.
struct Opened {
    std::string address;
    std::size_t boxesBefore;
    int show;
};
std::vector<Opened> opened;
const RecordedBoxes* boxesSoFar = nullptr;

HINSTANCE WINAPI RecordOpen(HWND, LPCSTR verb, LPCSTR file, LPCSTR params, LPCSTR dir, INT show) {
    EXPECT_EQ(verb, nullptr);
    EXPECT_EQ(params, nullptr);
    EXPECT_EQ(dir, nullptr);
    opened.push_back({file, boxesSoFar != nullptr ? boxesSoFar->Boxes().size() : 0, show});
    return reinterpret_cast<HINSTANCE>(42);
}

}  // namespace

TEST(AboutDialog, OpenedFromTheMainWindowShowsTheProgramsOwnInformation) {
    auto* main = Application->CreateForm<TfrmVarrow>();
    main->Show();
    Shown shown{};
    bool seen = false;
    WhileModal read([&] {
        HWND dialog = ::FindWindowW(nullptr, L"バージョン情報");
        if (dialog == nullptr || !::IsWindowVisible(dialog))
            return false;
        auto* about = dynamic_cast<TfrmAbout*>(TWinControl::FromHandle(dialog));
        if (about == nullptr)
            return false;
        shown = Read(about);
        seen = true;
        about->cmdOK->Click();
        return true;
    });
    main->Label5->OnClick(main->Label5);
    ASSERT_TRUE(seen);
    EXPECT_EQ(shown.product, "Varrow ～File Stamp & Digest～");
    EXPECT_EQ(shown.version, "Version 1.02  (Build 9)");
    EXPECT_EQ(shown.copyright, "Copyright (C) 2026 Varrow Project");
    EXPECT_TRUE(shown.contact);
    EXPECT_FALSE(shown.notice);
    delete main;
}

TEST(AboutDialog, OtherVersionInformation) {
    const struct {
        const char* file;
        Shown expected;
    } cases[] = {
        {"nonsupport.dll",
         {"試験品", "Version 1.02 (Build 9)", "Copyright (C) Fixture", false, true}},
        {"othercase.dll",
         {"試験品", "Version 1.02 (Build 9)", "Copyright (C) Fixture", true, false}},
        {"description.dll",
         {"試験品", "Version 1.02 試験版 (Build 9)", "Copyright (C) Fixture", true, false}},
        {"twodigit.dll",
         {"試験品", "Version 2.103 (Build 45)", "Copyright (C) Fixture", true, false}},
        {"missingkeys.dll", {"", "Version . (Build )", "", true, false}},
        {"noversion.dll", {"実行時に取得", "実行時に取得", "実行時に取得", true, false}},
    };
    for (const auto& c : cases) {
        auto* about = new TfrmAbout(nullptr);
        about->VersionFile = BesideTheTests(c.file);
        about->Show();
        const Shown shown = Read(about);
        EXPECT_EQ(shown.product, c.expected.product) << c.file;
        EXPECT_EQ(shown.version, c.expected.version) << c.file;
        EXPECT_EQ(shown.copyright, c.expected.copyright) << c.file;
        EXPECT_EQ(shown.contact, c.expected.contact) << c.file;
        EXPECT_EQ(shown.notice, c.expected.notice) << c.file;
        delete about;
    }
}

TEST(AboutDialog, LinksOpenTheirAddressesAndTheMailLinkWarnsFirst) {
    RecordedBoxes boxes;
    boxesSoFar = &boxes;
    opened.clear();
    TfrmAbout::ShellOpen = RecordOpen;
    auto* about = new TfrmAbout(nullptr);
    about->Show();
    for (TLabel* link : {about->Label1, about->Label7, about->Label2, about->Label4}) {
        HWND window = link->WindowHandle();
        ::SendMessageW(::GetParent(window), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(window), STN_CLICKED),
                       reinterpret_cast<LPARAM>(window));
    }
    TfrmAbout::ShellOpen = ::ShellExecuteA;
    boxesSoFar = nullptr;
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[0].address, "https://www.varrow.example/");
    EXPECT_EQ(opened[1].address, "https://www.varrow.example/");
    EXPECT_EQ(opened[2].address, "https://www.varrow.example/users/");
    EXPECT_EQ(opened[3].address, "mailto:support@varrow.example");
    EXPECT_EQ(opened[3].show, SW_SHOWNORMAL);
    EXPECT_EQ(opened[2].boxesBefore, 0u);
    EXPECT_EQ(opened[3].boxesBefore, 1u);  // the warning came first
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "ヘルプ参照のお願い");
    EXPECT_EQ(boxes.Boxes()[0].text,
              "お問い合わせになる前に，必ずサポートについてのヘルプをご覧下さい\r\n"
              "ヘルプを無視したサポートにはお答えできません");
    EXPECT_EQ(boxes.Boxes()[0].flags, UINT{0x30});
    EXPECT_TRUE(::IsWindowVisible(about->WindowHandle()));  // links leave it open
    delete about;
}

TEST(AboutDialog, EscapeLeavesItOpenAndEnterClosesIt) {
    auto* about = new TfrmAbout(nullptr);
    int step = 0;
    bool openAfterEscape = false;
    WhileModal keys([&] {
        if (!about->HandleAllocated() || !::IsWindowVisible(about->WindowHandle()))
            return false;
        HWND ok = about->cmdOK->WindowHandle();
        if (step == 0) {
            ::PostMessageW(ok, WM_KEYDOWN, VK_ESCAPE, 0);
        } else if (step == 1) {
            openAfterEscape = about->ModalResult() == mrNone;
            ::PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 0);
        }
        return ++step > 1;
    });
    EXPECT_EQ(about->ShowModal(), mrOk);
    EXPECT_TRUE(openAfterEscape);
    delete about;
}

TEST(AboutDialog, HintsAreShownAsTooltipsAndTheHelpButtonIsThere) {
    auto* about = new TfrmAbout(nullptr);
    about->Show();
    HWND dialog = about->WindowHandle();
    EXPECT_TRUE(::GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    EXPECT_FALSE(::GetWindowLongW(dialog, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT client;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 329);
    EXPECT_EQ(client.bottom, 257);
    HWND tooltip = nullptr;
    for (HWND w = ::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w != nullptr;
         w = ::FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr)) {
        if (::GetWindow(w, GW_OWNER) == dialog)
            tooltip = w;
    }
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(::SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 10);
    delete about;
}
