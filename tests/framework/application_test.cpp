// The application and forms: the message filter taken over and given back, a form's message path
// taken over through WindowProc or by subclassing its window, short-cuts (Alt+Space included),
// closing (refused, hidden, ending the application), minimising the whole application, hints.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/core/form_data.h"
#include "framework/core/timer.h"
#include "framework/forms/hint_window.h"
#include "framework/forms/screen.h"
#include "framework_fixture.h"
#include "platform/window/focus.h"
#include "platform/window/input.h"
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
        if (msg.message == WM_CHAR)
            seen.push_back("menu");
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

TEST_F(Forms, MinimisingTheMainFormMinimisesTheWholeApplicationIntoItsTaskbarEntry) {
    TForm* main = ShownForm();
    auto* second = new TForm(main);
    second->Show();
    application.Run();
    int minimized = 0, restored = 0;
    application.OnMinimize = [&](TObject*) { ++minimized; };
    application.OnRestore = [&](TObject*) { ++restored; };
    SendMessage(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(application.IsMinimized());
    // Every form is minimised (a window manager iconifies it); none shows.
    for (TForm* f : {main, second}) {
        EXPECT_TRUE(IsIconic(f->Handle()));
        EXPECT_FALSE(display.stateOf(f->Handle())->shown);
        EXPECT_TRUE(display.stateOf(f->Handle())->minimized);
    }
    EXPECT_TRUE(display.stateOf(application.Handle())->minimized);
    // The forms keep their own state: they were not minimised themselves.
    EXPECT_TRUE(main->Visible());
    display.clickTaskbarEntry(application.Handle());
    Pump();
    EXPECT_FALSE(application.IsMinimized());
    for (TForm* f : {main, second}) {
        EXPECT_FALSE(IsIconic(f->Handle()));
        EXPECT_TRUE(display.stateOf(f->Handle())->shown);
    }
    EXPECT_EQ(minimized, 1);
    EXPECT_EQ(restored, 1);
    // A form the desktop brings back (its iconified window activated) brings back the others.
    SendMessage(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE);
    display.clickTaskbarEntry(second->Handle());
    Pump();
    EXPECT_FALSE(application.IsMinimized());
    EXPECT_FALSE(IsIconic(main->Handle()));
    EXPECT_EQ(restored, 2);
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

namespace {

// Tells CM_MOUSEENTER and CM_MOUSELEAVE, the notices the skinned controls build on.
template <class Base>
class THover : public Base {
  public:
    THover(TComponent* owner, std::vector<std::string>* log, std::string name)
        : Base(owner), log_(log), name_(std::move(name)) {}

  protected:
    void Dispatch(TMessage& message) override {
        if (message.Msg == CM_MOUSEENTER)
            log_->push_back("enter " + name_);
        if (message.Msg == CM_MOUSELEAVE)
            log_->push_back("leave " + name_);
        Base::Dispatch(message);
    }

  private:
    std::vector<std::string>* log_;
    std::string name_;
};

TEST_F(Forms, ControlsHearThePointerEnterAndLeaveThem) {
    auto* form = application.CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    std::vector<std::string> log;
    auto* button = new THover<TButton>(form, &log, "button");
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 24);
    auto* label = new THover<TLabel>(form, &log, "label");
    label->SetParent(form);
    label->SetBounds(10, 60, 80, 20);
    form->Show();
    Pump();
    display.moveMouse(At(*button, 5, 5));
    display.moveMouse(At(*button, 20, 5));
    display.moveMouse(At(*label, 5, 5));
    display.moveMouse({700, 700});
    Pump();
    EXPECT_THAT(log, ElementsAre("enter button", "leave button", "enter label", "leave label"));
}

TEST_F(Forms, OwnedFormsGoWithTheirOwnerAndReleaseFreesAfterTheMessage) {
    std::vector<std::string> log;
    auto* main = application.CreateForm<TForm>();
    auto* second = new TForm(main);
    main->OnDestroy = [&](TObject*) {
        log.push_back("main destroyed, second still there: " + std::to_string(main->ComponentCount()));
    };
    second->OnDestroy = [&](TObject*) { log.push_back("second destroyed"); };
    auto* third = new TForm(main);
    third->Show();
    third->Release();
    EXPECT_EQ(main->ComponentCount(), 2);  // not yet: it may be inside one of its own messages
    Pump();
    EXPECT_EQ(main->ComponentCount(), 1);
    delete main;
    EXPECT_THAT(log, ElementsAre("main destroyed, second still there: 1", "second destroyed"));
    EXPECT_EQ(application.FormCount(), 0);
    EXPECT_EQ(application.MainForm(), nullptr);
}

TEST_F(Forms, PositionPlacesTheFormOnItsFirstShowAndActiveControlFromFormData) {
    auto* form = application.CreateForm<TForm>();
    form->LoadFormData({{{"Width", 400},
                         {"Height", 300},
                         {"Position", Ident{"poScreenCenter"}},
                         {"ActiveControl", Ref{"second"}}},
                        {{"TEdit", "first", "", {{"Top", 10}}}, {"TEdit", "second", "", {{"Top", 40}}}}});
    form->Show();
    Pump();
    EXPECT_EQ(form->Left(), (1024 - 400) / 2);
    EXPECT_EQ(form->Top(), (768 - 300) / 2);
    EXPECT_TRUE(As<TEdit>(form->FindComponent("second"))->Focused());
    // Moved by the program, hidden and shown again: it stays where it was put.
    form->SetLeft(10);
    form->Hide();
    form->Show();
    EXPECT_EQ(form->Left(), 10);
}

}  // namespace

namespace {

TEST_F(Forms, TheStandardErrorBoxIsAModalWindowWithTheTextAndOk) {
    TApplication::SetErrorBoxHook({});
    application.SetTitle("Velmoro");
    HWND seen = nullptr;
    TTimer look(nullptr);
    look.SetInterval(50);
    look.SetOnTimer([&](TObject*) {
        look.SetEnabled(false);
        seen = FindWindowEx(nullptr, nullptr, "TForm", "Velmoro");
        if (const char* dir = std::getenv("VELMORO_BINARY_DIR"))
            display.saveScreenshot(std::string(dir) + "/tests/framework/error_box.png");
        display.typeKey(VK_RETURN);  // OK is the default button
    });
    application.ShowException(EInvalidOperation("无法打开页面"));
    EXPECT_NE(seen, nullptr);
    EXPECT_FALSE(IsWindow(seen));  // closed and gone
}

}  // namespace
