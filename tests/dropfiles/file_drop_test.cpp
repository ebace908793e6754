#include "dropfiles/NewCtrls.h"

#include <gtest/gtest.h>

#include "framework/exceptions.h"
#include "framework/forms.h"
#include "tests/support/gui.h"

namespace {

struct Drop {
    TObject* sender;
    int num;
    std::vector<std::string> files;
    int x, y;
};

class TestForm : public TForm {
  public:
    explicit TestForm(TComponent* owner = nullptr) : TForm(owner) {
        SetClientSize(200, 200);
        panel = new TPanel(this);
        panel->SetParent(this);
        panel->SetBounds(10, 10, 100, 100);
        other = new TPanel(this);
        other->SetParent(this);
        other->SetBounds(110, 10, 50, 50);
    }
    TPanel* panel;
    TPanel* other;
};

class FileDropTest : public ::testing::Test {
  protected:
    TFileDrop* NewFileDrop(TComponent* owner, std::vector<Drop>* into) {
        auto* drop = new TFileDrop(owner);
        if (into != nullptr) {
            drop->OnFileDrop = [into](TObject* s, int n, TStrings& f, int x, int y) {
                std::vector<std::string> names;
                for (int i = 0; i < f.Count(); ++i)
                    names.push_back(f[i]);
                into->push_back({s, n, names, x, y});
            };
        }
        return drop;
    }
    static bool Registered(HWND window) {
        return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
    }
    static WNDPROC ProcOf(HWND window) {
        return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
    }

    TestForm form;
    RecordedBoxes boxes;
    std::vector<Drop> drops;
};

}  // namespace

TEST_F(FileDropTest, OneDropIsOneEventWithNamesInOrderAndThePoint) {
    TFileDrop* drop = NewFileDrop(&form, &drops);
    drop->SetControl(form.panel);
    HWND window = form.panel->Handle();
    EXPECT_TRUE(Registered(window));
    // A name longer than 254 bytes arrives whole.
    const std::string longName = "C:\\" + std::string(300, 'n') + ".txt";
    SendDrop(window, {"C:\\a.txt", "C:\\folder", "C:\\a.txt", longName}, {33, 44});
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].sender, drop);
    EXPECT_EQ(drops[0].num, 4);
    EXPECT_EQ(drops[0].files,
              (std::vector<std::string>{"C:\\a.txt", "C:\\folder", "C:\\a.txt", longName}));
    EXPECT_EQ(drops[0].x, 33);
    EXPECT_EQ(drops[0].y, 44);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FileDropTest, WithoutAHandlerTheDropIsStillFinished) {
    TFileDrop* drop = NewFileDrop(&form, nullptr);
    drop->SetControl(form.panel);
    SendDrop(form.panel->Handle(), {"C:\\a.txt"});  // checks the release itself
}

TEST_F(FileDropTest, AcceptActsOnTheRegistrationOnlyAndWaitsWhileUnbound) {
    TFileDrop* drop = NewFileDrop(&form, &drops);
    drop->SetAccept(false);  // unbound: kept for the binding
    drop->SetControl(form.panel);
    HWND window = form.panel->Handle();
    EXPECT_FALSE(Registered(window));
    // A notice that arrives all the same is reported.
    SendDrop(window, {"C:\\x"});
    EXPECT_EQ(drops.size(), 1u);
    drop->SetAccept(true);
    EXPECT_TRUE(Registered(window));
    drop->SetAccept(false);
    EXPECT_FALSE(Registered(window));
}

TEST_F(FileDropTest, AHandlerThatRaisesIsReportedOnceAndTheNextDropWorks) {
    TFileDrop* drop = NewFileDrop(&form, nullptr);
    int calls = 0;
    drop->OnFileDrop = [&](TObject*, int, TStrings&, int, int) {
        if (++calls == 1)
            throw EFOpenError("ファイルは開けません");
    };
    drop->SetControl(form.panel);
    SendDrop(form.panel->Handle(), {"C:\\a"});
    SendDrop(form.panel->Handle(), {"C:\\b"});
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ファイルは開けません.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Varrow");
    EXPECT_EQ(boxes.Boxes()[0].flags & (MB_ICONMASK | MB_TYPEMASK), UINT{MB_ICONSTOP | MB_OK});
}

TEST_F(FileDropTest, OtherMessagesPassThroughToTheControl) {
    TFileDrop* drop = NewFileDrop(&form, &drops);
    HWND window = form.panel->Handle();
    const WNDPROC original = ProcOf(window);
    drop->SetControl(form.panel);
    EXPECT_EQ(ProcOf(window), drop->HookProcForTest());
    ::SetWindowTextW(window, L"テキスト");
    wchar_t text[16] = {};
    ::GetWindowTextW(window, text, 16);
    EXPECT_STREQ(text, L"テキスト");
    delete drop;
    EXPECT_EQ(ProcOf(window), original);
}

TEST_F(FileDropTest, ControlDestroyedFirstLeavesNothingToWriteInto) {
    TFileDrop* drop = NewFileDrop(&form, &drops);
    drop->SetControl(form.panel);
    delete form.panel;
    EXPECT_EQ(drop->Control(), nullptr);
    EXPECT_FALSE(drop->Accept());
    EXPECT_NE(drop->HookedWindowForTest(), nullptr);  // stale
    // Another control now registers as refusing drops until Accept is set.
    drop->SetControl(form.other);
    EXPECT_FALSE(Registered(form.other->Handle()));
    drop->SetAccept(true);
    EXPECT_TRUE(Registered(form.other->Handle()));
    delete drop;
}

TEST_F(FileDropTest, MovingToAnotherControlGivesTheFirstItsProcedureBack) {
    TFileDrop* drop = NewFileDrop(&form, &drops);
    HWND first = form.panel->Handle();
    const WNDPROC original = ProcOf(first);
    drop->SetControl(form.panel);
    drop->SetControl(form.other);
    EXPECT_EQ(ProcOf(first), original);
    EXPECT_TRUE(Registered(first));  // the registration stays
    HDROP notReported = MakeDrop({"C:\\a"});
    ::SendMessageW(first, WM_DROPFILES, reinterpret_cast<WPARAM>(notReported), 0);
    ::GlobalFree(notReported);
    EXPECT_TRUE(drops.empty());
    SendDrop(form.other->Handle(), {"C:\\b"});
    EXPECT_EQ(drops.size(), 1u);
}

TEST_F(FileDropTest, ARecreatedWindowIsBoundOnlyByAssigningTheControlAgain) {
    TFileDrop* drop = NewFileDrop(&form, &drops);
    drop->SetControl(form.panel);
    form.panel->RecreateWnd();
    HWND fresh = form.panel->Handle();
    EXPECT_FALSE(Registered(fresh));
    EXPECT_NE(ProcOf(fresh), drop->HookProcForTest());
    drop->SetControl(form.panel);  // writes into no stale window, binds the new one
    SendDrop(fresh, {"C:\\a"});
    EXPECT_EQ(drops.size(), 1u);
}

TEST_F(FileDropTest, TwoComponentsOnOneWindowChainAndUnbindInReverse) {
    std::vector<Drop> second;
    TFileDrop* a = NewFileDrop(&form, &drops);
    TFileDrop* b = NewFileDrop(&form, &second);
    HWND window = form.panel->Handle();
    const WNDPROC original = ProcOf(window);
    a->SetControl(form.panel);
    b->SetControl(form.panel);
    SendDrop(window, {"C:\\a"});
    EXPECT_TRUE(drops.empty());
    EXPECT_EQ(second.size(), 1u);
    ::SetWindowTextW(window, L"x");  // passes through both
    EXPECT_EQ(::GetWindowTextLengthW(window), 1);
    delete b;
    EXPECT_EQ(ProcOf(window), a->HookProcForTest());
    delete a;
    EXPECT_EQ(ProcOf(window), original);
}

TEST_F(FileDropTest, WithoutAControlTheOwnerFormIsTheTargetOrThereIsNone) {
    TFileDrop* onForm = NewFileDrop(&form, &drops);
    onForm->SetControl(nullptr);  // made in code: binds the owner form
    EXPECT_EQ(onForm->HookedWindowForTest(), form.WindowHandle());
    TFileDrop* loaded = NewFileDrop(&form, nullptr);
    form.LoadFinished();  // the after-load step binds the form too
    EXPECT_EQ(loaded->HookedWindowForTest(), form.WindowHandle());
    delete loaded;
    delete onForm;

    TComponent notAForm(nullptr);
    TFileDrop* orphan = NewFileDrop(&notAForm, nullptr);
    try {
        notAForm.LoadFinished();
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Invalidate Window Handle in FileDrop");
    }
    EXPECT_EQ(orphan->HookedWindowForTest(), nullptr);
}

TEST_F(FileDropTest, InDesignModeNothingIsBound) {
    TComponent designer(nullptr);
    designer.SetDesignMode(true);
    TFileDrop* drop = NewFileDrop(&designer, nullptr);
    HWND window = form.panel->Handle();
    const WNDPROC original = ProcOf(window);
    drop->SetControl(form.panel);
    drop->SetControl(nullptr);  // no target, and still no error
    EXPECT_EQ(drop->HookedWindowForTest(), nullptr);
    EXPECT_EQ(ProcOf(window), original);
    EXPECT_FALSE(Registered(window));
}
