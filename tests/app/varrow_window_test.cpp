#include "app/Varrow.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/text_encoding.h"
#include "tests/support/gui.h"
#include "tests/support/moments.h"
#include "tests/support/temp_dir.h"

namespace {

class FixedClock : public LocalClock {
  public:
    explicit FixedClock(Moment now) : now_(now) {}
    Moment Now() override { return now_; }

  private:
    Moment now_;
};

RECT RectInParent(HWND window) {
    RECT r;
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SYSTEMTIME Shown(TDateTimePickerControl* picker) {
    SYSTEMTIME st{};
    ::SendMessageW(picker->WindowHandle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    return st;
}

LOGFONTW FontOf(HWND window) {
    LOGFONTW lf{};
    auto font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    ::GetObjectW(font, sizeof lf, &lf);
    return lf;
}

std::string MemoText(TfrmVarrow* form) {
    return WideToUtf8([&] {
        std::wstring text(
            static_cast<std::size_t>(::GetWindowTextLengthW(form->memMD5Digest->WindowHandle())) +
                1,
            L'\0');
        ::GetWindowTextW(form->memMD5Digest->WindowHandle(), text.data(),
                         static_cast<int>(text.size()));
        text.resize(text.size() - 1);
        return text;
    }());
}

bool TopMost(HWND window) {
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

class VarrowWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = Application->CreateForm<TfrmVarrow>();
        form->Show();
        PumpMessages();
    }
    void TearDown() override { delete form; }

    void SetStamp(Moment date, Moment timeOfDay) {
        form->DateTimePicker1->Model().Replace(date);
        form->DateTimePicker2->Model().Replace(timeOfDay);
    }

    TfrmVarrow* form = nullptr;
};

}  // namespace

TEST_F(VarrowWindowTest, FixedAlwaysOnTopWindowLaidOutAsDesigned) {
    HWND window = form->WindowHandle();
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(TopMost(window));
    EXPECT_EQ(WindowText(window), "Varrow");
    RECT client;
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, 286);
    EXPECT_EQ(client.bottom, 298);

    const struct {
        TWinControl* control;
        RECT expected;  // left, top, right, bottom in the parent
    } layout[] = {
        {form->Panel1, {4, 4, 281, 101}},           {form->Panel2, {4, 104, 281, 273}},
        {form->DateTimePicker1, {24, 32, 137, 52}}, {form->DateTimePicker2, {144, 32, 257, 52}},
        {form->Button1, {24, 60, 99, 85}},          {form->Button2, {104, 60, 179, 85}},
        {form->memMD5Digest, {24, 32, 261, 157}},
    };
    for (const auto& item : layout) {
        const RECT r = RectInParent(item.control->WindowHandle());
        EXPECT_EQ(r.left, item.expected.left) << item.control->Caption();
        EXPECT_EQ(r.top, item.expected.top);
        EXPECT_EQ(r.right, item.expected.right);
        EXPECT_EQ(r.bottom, item.expected.bottom);
    }
    // Labels are sized to their text; where they start is the design's.
    for (auto [label, left, top] : {std::tuple{form->Label1, 8L, 8L}, {form->Label2, 8L, 12L}}) {
        const RECT r = RectInParent(label->WindowHandle());
        EXPECT_EQ(r.left, left);
        EXPECT_EQ(r.top, top);
    }
    EXPECT_EQ(RectInParent(form->Label5->WindowHandle()).top, 280);
    EXPECT_EQ(WindowText(form->Button2->WindowHandle()), "直近の0時");

    const LOGFONTW text = FontOf(form->Label1->WindowHandle());
    EXPECT_STREQ(text.lfFaceName, L"MS UI Gothic");
    EXPECT_EQ(text.lfHeight, -12);
    EXPECT_EQ(text.lfCharSet, SHIFTJIS_CHARSET);
    const LOGFONTW link = FontOf(form->Label5->WindowHandle());
    EXPECT_STREQ(link.lfFaceName, L"ＭＳ Ｐゴシック");
    EXPECT_TRUE(link.lfUnderline);
}

TEST_F(VarrowWindowTest, TabOrderFollowsTheDesign) {
    HWND window = form->WindowHandle();
    std::vector<HWND> order;
    HWND first = ::GetNextDlgTabItem(window, nullptr, FALSE);
    for (HWND item = first; item != nullptr;) {
        order.push_back(item);
        item = ::GetNextDlgTabItem(window, item, FALSE);
        if (item == first)
            break;
    }
    EXPECT_EQ(order, (std::vector<HWND>{
                         form->DateTimePicker1->WindowHandle(),
                         form->DateTimePicker2->WindowHandle(), form->Button1->WindowHandle(),
                         form->Button2->WindowHandle(), form->memMD5Digest->WindowHandle()}));
}

TEST_F(VarrowWindowTest, StartsAtTheCurrentTimeAndThePresetButtonsSetBothPickers) {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const SYSTEMTIME date = Shown(form->DateTimePicker1), time = Shown(form->DateTimePicker2);
    EXPECT_EQ(date.wYear, now.wYear);
    EXPECT_EQ(date.wDay, now.wDay);
    EXPECT_LE(std::abs((now.wHour * 3600 + now.wMinute * 60 + now.wSecond) -
                       (time.wHour * 3600 + time.wMinute * 60 + time.wSecond)),
              5);

    FixedClock clock(At(2026, 3, 4, 12, 0, 0, 0));
    form->Clock = &clock;
    ::SendMessageW(form->Button2->WindowHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->DateTimePicker1->Model().Date(), At(2026, 3, 5));
    EXPECT_EQ(form->DateTimePicker2->Model().Time(), At(2026, 3, 5));
    const SYSTEMTIME midnight = Shown(form->DateTimePicker2);
    EXPECT_EQ(midnight.wHour + midnight.wMinute + midnight.wSecond, 0);
    EXPECT_EQ(Shown(form->DateTimePicker1).wDay, 5);

    FixedClock later(At(2027, 8, 9, 10, 11, 12, 0));
    form->Clock = &later;
    ::SendMessageW(form->Button1->WindowHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Shown(form->DateTimePicker1).wYear, 2027);
    EXPECT_EQ(Shown(form->DateTimePicker2).wMinute, 11);
}

TEST_F(VarrowWindowTest, ADropOnTheUpperPanelStampsTheFiles) {
    RecordedBoxes boxes;
    TempDir dir;
    const std::string a = dir.File("a.txt"), b = dir.File("b.txt");
    SetStamp(At(2024, 2, 29, 23), At(2000, 1, 1, 10, 15, 37, 250));
    SendDrop(form->Panel1->WindowHandle(), {a, b});
    const ULONGLONG expected = UtcFileTime(2024, 2, 29, 9, 15, 36);  // Berlin, winter
    EXPECT_EQ(TimesOf(a), (FileTimes{expected, expected, expected}));
    EXPECT_EQ(TimesOf(b), (FileTimes{expected, expected, expected}));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(VarrowWindowTest, DropsOnTheLowerPanelAppendDigestLines) {
    RecordedBoxes boxes;
    TempDir dir;
    const std::string a = dir.File("a.txt", "abc"), e = dir.File("e.txt", "");
    SendDrop(form->Panel2->WindowHandle(), {a});
    SendDrop(form->Panel2->WindowHandle(), {e, a});
    EXPECT_EQ(MemoText(form), AnsiToUtf8(a) + "\r\n900150983cd24fb0d6963f7d28e17f72\r\n" +
                                  AnsiToUtf8(e) + "\r\nd41d8cd98f00b204e9800998ecf8427e\r\n" +
                                  AnsiToUtf8(a) + "\r\n900150983cd24fb0d6963f7d28e17f72");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(VarrowWindowTest, AnOpenFailureIsShownWithAFullStopAndTheWindowGoesOn) {
    RecordedBoxes boxes;
    TempDir dir;
    const std::string missing = dir.Path("missing.txt"), a = dir.File("a.txt", "abc");
    SendDrop(form->Panel1->WindowHandle(), {missing, a});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    const ShownBox& box = boxes.Boxes()[0];
    EXPECT_EQ(box.text.rfind("ファイル \"" + missing + "\". ", 0), 0u) << box.text;
    EXPECT_TRUE(box.text.ends_with(" は開けません.")) << box.text;
    EXPECT_EQ(box.caption, "Varrow");
    EXPECT_EQ(box.flags, UINT{MB_OK | MB_ICONSTOP | MB_TASKMODAL});

    SendDrop(form->Panel2->WindowHandle(), {a});
    EXPECT_EQ(MemoText(form), a + "\r\n900150983cd24fb0d6963f7d28e17f72");
}

TEST_F(VarrowWindowTest, TheRealBoxDisablesTheWindowAndTakesItsTopPlaceForAWhile) {
    TempDir dir;
    std::string text, caption;
    bool mainEnabled = true, mainTopMost = true;
    WhileModal closeBox([&] {
        HWND box = FindThreadDialog();
        if (box == nullptr)
            return false;
        caption = WindowText(box);
        text = WindowText(::GetDlgItem(box, 0xFFFF));
        mainEnabled = ::IsWindowEnabled(form->WindowHandle());
        mainTopMost = TopMost(form->WindowHandle());
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        return true;
    });
    SendDrop(form->Panel2->WindowHandle(), {dir.Path("none.txt")});
    EXPECT_EQ(caption, "Varrow");
    EXPECT_TRUE(text.ends_with("は開けません.")) << text;
    EXPECT_FALSE(mainEnabled);
    EXPECT_FALSE(mainTopMost);
    EXPECT_TRUE(::IsWindowEnabled(form->WindowHandle()));
    // Taking the place back is asked of the system, but Wine 8 does not put a window back on
    // top while it owns pop-ups (the date pickers' calendars), so it is not checked here.
}

TEST_F(VarrowWindowTest, TheVersionLinkOpensAFreshModalDialogEachTime) {
    for (int round = 0; round < 2; ++round) {
        HWND dialog = nullptr;
        bool mainEnabled = true, mainTopMost = true;
        WhileModal pressOk([&] {
            dialog = ::FindWindowW(nullptr, L"バージョン情報");
            if (dialog == nullptr || !::IsWindowVisible(dialog))
                return false;
            mainEnabled = ::IsWindowEnabled(form->WindowHandle());
            mainTopMost = TopMost(form->WindowHandle());
            ::PostMessageW(::FindWindowExW(dialog, nullptr, L"BUTTON", L"OK"), BM_CLICK, 0, 0);
            return true;
        });
        HWND link = form->Label5->WindowHandle();
        ::SendMessageW(form->WindowHandle(), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(link), STN_CLICKED),
                       reinterpret_cast<LPARAM>(link));
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(mainEnabled);
        if (round == 0) {
            EXPECT_FALSE(mainTopMost);
        }
        EXPECT_TRUE(::IsWindowEnabled(form->WindowHandle()));
        PumpMessages();  // the release
        EXPECT_FALSE(::IsWindow(dialog));
    }
}
