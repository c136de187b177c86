// The application and forms: the message filter taken over and given back, a form's message path
// taken over through WindowProc or by subclassing its window, short-cuts (Alt+Space included),
// closing (refused, hidden, ending the application), minimising the whole application, hints.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/forms/hint_window.h"
#include "framework/forms/screen.h"
#include "framework_fixture.h"
#include "platform/window/focus.h"
#include "platform/window/keys.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

using namespace framework;
using namespace framework::test;
using namespace platform;
using ::testing::ElementsAre;

namespace {

class Forms : public FrameworkTest {
protected:
    // A shown form with an edit that has the focus.
    TForm* ShownForm() {
        auto* form = application.CreateForm<TForm>();
        form->SetBounds(100, 100, 300, 200);
        edit = new TEdit(form);
        edit->SetParent(form);
        form->Show();
        Pump();
        return form;
    }
    TEdit* edit = nullptr;
};

TEST_F(Forms, OnMessageSeesMessagesFirstAndCanBeTakenOverAndGivenBack) {
    TForm* form = ShownForm();
    std::vector<std::string> seen;
    application.OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.message == WM_CHAR) {
            seen.push_back("app");
            handled = msg.wParam == 'x';
        }
    };
    // A component takes the filter over (a menu while it is open) and puts the previous one back.
    TMessageEvent previous = application.OnMessage;
    application.OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.message == WM_CHAR) seen.push_back("menu");
        handled = msg.message == WM_CHAR;
    };
    Type('A');
    EXPECT_EQ(edit->Text(), "");
    application.OnMessage = previous;
    Type('X');
    Type('B');
    EXPECT_THAT(seen, ElementsAre("menu", "app", "app"));
    // 'x' was consumed by the application's filter, 'b' went on to the edit.
    EXPECT_EQ(edit->Text(), "b");
    EXPECT_TRUE(form->Active());
}

TEST_F(Forms, TheWindowsFilterIsRestoredWhenTheApplicationGoes) {
    int calls = 0;
    MessageFilter mine = [&calls](MSG&) {
        ++calls;
        return false;
    };
    SetMessageFilter(mine);
    {
        TApplication* outer = Application;
        // Only one application at a time.
        EXPECT_THROW(TApplication second, EInvalidOperation);
        EXPECT_EQ(Application, outer);
    }
    PostMessage(nullptr, WM_NULL);
    Pump();
    EXPECT_EQ(calls, 1);
}

// A component that takes a form's messages over through WindowProc, as the skinned frame does.
struct Hook {
    explicit Hook(TControl& control) : control(control), previous(control.WindowProc()) {
        control.SetWindowProc([this](TMessage& message) {
            seen.push_back(message.Msg);
            if (message.Msg == WM_NCACTIVATE) {
                message.Result = 1;  // consumed: the previous handler never sees it
                return;
            }
            previous(message);
        });
    }
    ~Hook() { control.SetWindowProc(previous); }
    TControl& control;
    TWndMethod previous;
    std::vector<UINT> seen;
};

TEST_F(Forms, WindowProcTakesEveryMessageOfTheFormFirstAndIsGivenBack) {
    auto* form = application.CreateForm<TForm>();
    std::vector<UINT> reachedForm;
    form->OnActivate = [&](TObject*) { reachedForm.push_back(WM_ACTIVATE); };
    {
        Hook hook(*form);
        form->Show();
        Pump();
        EXPECT_NE(std::count(hook.seen.begin(), hook.seen.end(), WM_NCACTIVATE), 0);
        EXPECT_NE(std::count(hook.seen.begin(), hook.seen.end(), WM_ACTIVATE), 0);
        EXPECT_EQ(SendMessage(form->Handle(), WM_NCACTIVATE, 0), 1);
        // Messages sent to the control itself take the same path.
        const size_t before = hook.seen.size();
        form->Perform(WM_USER + 7);
        EXPECT_EQ(hook.seen.size(), before + 1);
    }
    EXPECT_THAT(reachedForm, ElementsAre(WM_ACTIVATE));
    // Given back: the form handles WM_NCACTIVATE itself again (the platform frame answers TRUE).
    size_t count = 0;
    TWndMethod own = form->WindowProc();
    form->SetWindowProc([&count, own](TMessage& m) {
        ++count;
        own(m);
    });
    form->Perform(WM_USER + 7);
    EXPECT_EQ(count, 1u);
    form->SetWindowProc(own);
}

LRESULT CALLBACK_Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC g_previousProc = nullptr;
std::vector<UINT> g_subclassed;
LRESULT CALLBACK_Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_subclassed.push_back(msg);
    return CallWindowProc(g_previousProc, hwnd, msg, wParam, lParam);
}

TEST_F(Forms, SubclassingTheFormsWindowPassesMessagesOnToTheForm) {
    auto* form = application.CreateForm<TForm>();
    bool closed = false;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        closed = true;
        action = TCloseAction::caNone;
    };
    g_subclassed.clear();
    g_previousProc = SubclassWindow(form->Handle(), CALLBACK_Subclass);
    SendMessage(form->Handle(), WM_CLOSE);
    EXPECT_TRUE(closed);
    EXPECT_THAT(g_subclassed, ElementsAre(WM_CLOSE));
    SubclassWindow(form->Handle(), g_previousProc);
}

TEST_F(Forms, EveryKeyDownIsOfferedAsAShortCutAltSpaceIncluded) {
    TForm* form = ShownForm();
    std::vector<std::pair<int, bool>> offered;  // key, Alt
    form->OnShortCut = [&](TWMKey& key, bool& handled) {
        const bool alt = KeyDataToShiftState(key.KeyData).contains(TShiftFlag::ssAlt);
        offered.push_back({key.CharCode, alt});
        handled = alt && key.CharCode == VK_SPACE;
    };
    Type('A');
    display.pressKey(VK_MENU);
    display.typeKey(VK_SPACE);
    display.releaseKey(VK_MENU);
    Pump();
    EXPECT_THAT(offered, ElementsAre(std::pair{int('A'), false}, std::pair{int(VK_MENU), true},
                                     std::pair{int(VK_SPACE), true}));
    // The handled short-cut went no further; the plain key reached the edit.
    EXPECT_EQ(edit->Text(), "a");
}

TEST_F(Forms, CloseMayBeRefusedHidesASecondaryFormAndEndsWithTheMainForm) {
    TForm* main = ShownForm();
    auto* second = new TForm(main);
    second->SetBorderStyle(TFormBorderStyle::bsToolWindow);
    second->Show();
    Pump();
    bool allow = false;
    second->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    second->Close();
    EXPECT_TRUE(second->Visible());
    allow = true;
    SendMessage(second->Handle(), WM_CLOSE);
    EXPECT_FALSE(second->Visible());
    EXPECT_TRUE(IsWindow(second->Handle()));
    EXPECT_FALSE(application.Terminated());
    main->Close();
    EXPECT_TRUE(application.Terminated());
}

TEST_F(Forms, FormsAreOwnedByTheApplicationsWindowWhichHoldsTheTaskbarEntry) {
    TForm* form = ShownForm();
    application.Run();  // nothing can ever arrive: returns at once, with the forms shown
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), application.Handle());
    EXPECT_THAT(display.taskbarEntries(), ElementsAre(application.Handle()));
    EXPECT_EQ(application.FormCount(), 1);
    EXPECT_EQ(Screen->FormCount(), 1);
    EXPECT_EQ(Screen->Forms(0), form);
    EXPECT_EQ(Screen->Width(), 1024);
    EXPECT_EQ(Screen->Height(), 768);
    EXPECT_EQ(Screen->WorkAreaRect(), (Rect{0, 0, 1024, 768 - HeadlessDisplay::kTaskbarHeight}));
}

TEST_F(Forms, MinimisingTheMainFormHidesTheWholeApplicationIntoItsTaskbarEntry) {
    TForm* main = ShownForm();
    auto* second = new TForm(main);
    second->Show();
    application.Run();
    int minimized = 0, restored = 0;
    application.OnMinimize = [&](TObject*) { ++minimized; };
    application.OnRestore = [&](TObject*) { ++restored; };
    SendMessage(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(application.IsMinimized());
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    EXPECT_FALSE(IsWindowVisible(second->Handle()));
    EXPECT_TRUE(display.stateOf(application.Handle())->minimized);
    // The forms keep their own state: they were not minimised themselves.
    EXPECT_TRUE(main->Visible());
    display.clickTaskbarEntry(application.Handle());
    Pump();
    EXPECT_FALSE(application.IsMinimized());
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_TRUE(IsWindowVisible(second->Handle()));
    EXPECT_EQ(minimized, 1);
    EXPECT_EQ(restored, 1);
}

TEST_F(Forms, ExceptionsInHandlersGoToTheErrorBoxOrOnException) {
    TForm* form = ShownForm();
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 40, 80, 24);
    button->OnClick = [](TObject*) { throw EInvalidOperation("按钮失败"); };
    Pump();
    Click(*button, 5, 5);
    EXPECT_THAT(errorBoxes, ElementsAre("按钮失败."));
    std::string seen;
    application.OnException = [&](TObject*, const std::exception& error) { seen = error.what(); };
    Click(*button, 5, 5);
    EXPECT_EQ(seen, "按钮失败");
    EXPECT_EQ(errorBoxes.size(), 1u);
}

TEST_F(Forms, HintsShowAfterThePauseInTheHintWindowClassAndHide) {
    TForm* form = ShownForm();
    edit->SetBounds(10, 10, 100, 21);
    edit->SetHint("输入关键字");
    edit->SetShowHint(true);
    Pump();
    std::vector<std::string> activated;
    // A window class of the program's own, as a skinned hint puts in the slot.
    struct TRecordingHint : THintWindow {
        TRecordingHint(TComponent* owner, std::vector<std::string>* log) : THintWindow(owner), log(log) {}
        void ActivateHint(Rect rect, const std::string& hint) override {
            log->push_back(hint);
            THintWindow::ActivateHint(rect, hint);
        }
        std::vector<std::string>* log;
    };
    application.SetHintWindowClass([&](TComponent* owner) { return new TRecordingHint(owner, &activated); });
    application.SetShowHint(false);
    application.SetShowHint(true);
    display.moveMouse(At(*edit, 20, 5));
    Pump();
    EXPECT_TRUE(activated.empty());
    PumpMessagesFor(uint32_t(application.HintPause()) + 20);
    ASSERT_THAT(activated, ElementsAre("输入关键字"));
    EXPECT_TRUE(application.HintWindow()->HintShowing());
    PumpMessagesFor(uint32_t(application.HintHidePause()) + 20);
    EXPECT_FALSE(application.HintWindow()->HintShowing());
    (void)form;
}

}  // namespace
