// The frame's behaviour on the headless display, driven by injected pointer and keys on the test
// clock: the caption buttons of the main window (hover, morph, press, commands), the system menu,
// the hit test, size limits, window states and magnetic edges.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/menus/menu_item.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/magnetic_snap.h"
#include "skin/frame/skin_form.h"
#include "skin/frame/system_menu.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"
#include "tests/skin_controls/controls_fixture.h"

namespace skin {
namespace {

using framework::TForm;
using platform::Point;
using platform::Rect;

class FrameBehaviourTest : public controls_test::ControlsTest {
  protected:
    // The application's main form dressed as the main window: single border, the system-menu and
    // minimise buttons, the window icon, the shipped skin.
    TbsSkinForm* MainWindow(TbsSkinData* data = nullptr) {
        form->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
        form->SetCaption("Velmoro V1.0");
        form->SetBounds(100, 40, 785, 641);
        auto* frame = new TbsSkinForm(form);
        frame->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize});
        frame->SetShowIcon(true);
        frame->SetSkinData(data ? data : ShippedSkin());
        form->Show();
        form->OnClose = [this](framework::TObject*, framework::TCloseAction& action) {
            ++closes;
            action = framework::TCloseAction::caNone;
        };
        Pump();
        return frame;
    }
    // A second, resizable form with every border icon.
    TbsSkinForm* ResizableWindow(TForm*& f) {
        f = new TForm(form);
        f->SetBorderStyle(framework::TFormBorderStyle::bsSizeable);
        f->SetBounds(200, 150, 400, 300);
        auto* frame = new TbsSkinForm(f);
        frame->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                               TbsBorderIcon::biMaximize, TbsBorderIcon::biRollUp});
        frame->SetSkinData(ShippedSkin());
        f->Show();
        Pump();
        return frame;
    }
    Point Centre(TbsSkinForm* frame, const char* object) {
        const Rect r = frame->ObjectScreenRect(*frame->FindObject(object));
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    Point OnScreen(TForm* f, Point p) const { return {f->Left() + p.X, f->Top() + p.Y}; }
    void MoveTo(Point p) {
        display.moveMouse(p);
        Pump();
    }
    // Lets the test clock run, timers included.
    static void Wait(uint32_t ms) { platform::PumpMessagesFor(ms); }
    // Whether the screen shows `from` of the skin's first active picture at an object's place.
    bool Shows(TbsSkinForm* frame, const char* object, const Rect& from) {
        const Rect at = frame->ObjectScreenRect(*frame->FindObject(object));
        const platform::Surface& picture = frame->SkinData()->ActivePictures()[0].Surface();
        const platform::Surface screen = display.screenshot();
        for (int32_t y = 0; y < from.height(); ++y)
            for (int32_t x = 0; x < from.width(); ++x)
                if ((screen.pixel(at.Left + x, at.Top + y) & 0xFFFFFFu) !=
                    (picture.pixel(from.Left + x, from.Top + y) & 0xFFFFFFu))
                    return false;
        return true;
    }
    static TbsSkinPopupWindow* OpenPopup(TbsSkinForm* frame) {
        TbsSkinMenu& driver = frame->MenuDriver();
        return driver.Visible() && driver.PopupCount() > 0 ? driver.Popups(0) : nullptr;
    }
    static Rect ScreenRectOf(TbsSkinPopupWindow* popup) {
        Rect r;
        platform::GetWindowRect(popup->Handle(), &r);
        return r;
    }
    static std::vector<std::string> Captions(const framework::TMenuItem& root) {
        std::vector<std::string> captions;
        for (int i = 0; i < root.Count(); ++i) {
            const framework::TMenuItem& item = *root.Items(i);
            captions.push_back(item.Name() + ":" + item.Caption() +
                               (item.ShortCut() ? " " + framework::ShortCutToText(item.ShortCut()) : ""));
        }
        return captions;
    }
    void AltAnd(int vk) {
        display.pressKey(platform::VK_MENU);
        display.typeKey(vk);
        display.releaseKey(platform::VK_MENU);
        Pump();
    }

    int closes = 0;
};

constexpr Rect kCloseNormal{40, 0, 58, 17}, kCloseActive{20, 0, 38, 17}, kCloseDown{0, 0, 18, 17};

TEST_F(FrameBehaviourTest, TheMainWindowOffersCloseMinimiseAndTheSystemMenuByItsBorderIcons) {
    TbsSkinForm* frame = MainWindow();
    struct Case {
        const char* object;
        bool enabled, visible;
    };
    const Case cases[] = {
        {"closebutton", true, true}, {"minbutton", true, true},      {"systemmenubutton", true, true},
        {"maxbutton", false, false}, {"rollupbutton", false, false}, {"traybutton", false, false},
    };
    for (const Case& c : cases) {
        const TbsActiveSkinObject* o = frame->FindObject(c.object);
        ASSERT_NE(o, nullptr) << c.object;
        EXPECT_EQ(o->Enabled, c.enabled) << c.object;
        EXPECT_EQ(o->Visible, c.visible) << c.object;
    }
}

TEST_F(FrameBehaviourTest, CustomButtonsShowOnlyWhenAHandlerSaysSoAndHiddenButtonsDoNothing) {
    struct Case {
        const char* name;
        bool handler, hideCaptionButtons, inFramePicture;
        bool enabled, visible;
    };
    const Case cases[] = {
        {"a custom button without a handler", false, false, false, true, false},
        {"a custom button its handler shows", true, false, false, true, true},
        {"hidden caption buttons, own picture", false, true, false, false, false},
        {"hidden caption buttons, frame picture", false, true, true, false, true},
    };
    for (const Case& c : cases) {
        TbsSkinData* data = ShippedSkin();
        for (const auto& record : data->SkinObjects())
            if (record->IDName == "traybutton") {
                static_cast<TbsDataSkinStdButton&>(*record).Command = TStdCommand::cmDefault;
                record->SkinRectInAPicture = !c.inFramePicture;
            }
        auto* f = new TForm(form);
        f->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
        f->SetBounds(50, 50, 400, 300);
        auto* frame = new TbsSkinForm(f);
        if (c.handler)
            frame->OnActivateCustomObject = [](const std::string&, bool& visible) { visible = true; };
        frame->SetHideCaptionButtons(c.hideCaptionButtons);
        frame->SetSkinData(data);
        const TbsActiveSkinObject* tray = frame->FindObject("traybutton");
        EXPECT_EQ(tray->Enabled, c.enabled) << c.name;
        EXPECT_EQ(tray->Visible, c.visible) << c.name;
        delete f;
    }
}

TEST_F(FrameBehaviourTest, TheCloseButtonMorphsInFiveStepsAndBackAndShowsItsDownFaceWhilePressed) {
    TbsSkinForm* frame = MainWindow();
    TbsActiveSkinObject* close = frame->FindObject("closebutton");
    EXPECT_TRUE(Shows(frame, "closebutton", kCloseNormal));
    // Hover tracking starts with the first hit test of the frame once the pointer was away.
    MoveTo({5, 5});
    Wait(60);
    EXPECT_FALSE(frame->MouseTrackTimer().Enabled());
    MoveTo(Centre(frame, "closebutton"));
    EXPECT_EQ(frame->HotIndex(), frame->FindObjectIndex(close));
    EXPECT_TRUE(frame->MouseTrackTimer().Enabled());
    for (double expected : {0.2, 0.4, 0.6, 0.8, 1.0}) {
        Wait(25);
        EXPECT_NEAR(close->MorphFactor, expected, 1e-9);
    }
    Wait(25);
    EXPECT_FALSE(frame->MorphTimer().Enabled());
    EXPECT_TRUE(Shows(frame, "closebutton", kCloseActive));
    SaveScreen("frame_close_hot");

    display.pressButton();
    Pump();
    EXPECT_TRUE(Shows(frame, "closebutton", kCloseDown));
    EXPECT_EQ(platform::GetCapture(), form->Handle());
    SaveScreen("frame_close_down");
    // Off the button onto the caption bar, released there: nothing closes.
    MoveTo(OnScreen(form, {300, 12}));
    Wait(200);
    EXPECT_FALSE(close->Active);
    EXPECT_TRUE(Shows(frame, "closebutton", kCloseNormal));
    display.releaseButton();
    Pump();
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(frame->CapturedIndex(), -1);

    // Leaving morphs back in five steps, and the tracking stops once the pointer leaves.
    MoveTo(Centre(frame, "closebutton"));
    Wait(250);
    EXPECT_NEAR(close->MorphFactor, 1.0, 1e-9);
    MoveTo(OnScreen(form, {300, 300}));
    // The next poll of the pointer leaves the button; the first step follows 25 ms later.
    for (int waited = 0; close->MorphFactor == 1.0 && waited < 100; waited += 5) Wait(5);
    for (double expected : {0.8, 0.6, 0.4, 0.2, 0.0}) {
        EXPECT_NEAR(close->MorphFactor, expected, 1e-9);
        Wait(25);
    }
    MoveTo({5, 5});
    Wait(60);
    EXPECT_FALSE(frame->MouseTrackTimer().Enabled());
    EXPECT_EQ(frame->HotIndex(), -1);
}

TEST_F(FrameBehaviourTest, APressedButtonRunsItsCommandOnlyWhenReleasedOverIt) {
    struct Case {
        const char* name;
        std::vector<const char*> path;  // where the pointer goes while the button is held
        int closes;
    };
    const Case cases[] = {
        {"released over it", {}, 1},
        {"moved off onto the caption bar", {"caption"}, 0},
        {"moved off the window", {"outside"}, 0},
        {"moved onto the minimise button", {"minbutton"}, 0},
        {"moved off and back", {"caption", "closebutton"}, 1},
        {"moved off the window and back", {"outside", "closebutton"}, 1},
    };
    TbsSkinForm* frame = MainWindow();
    for (const Case& c : cases) {
        closes = 0;
        MoveTo(Centre(frame, "closebutton"));
        display.pressButton();
        Pump();
        for (const char* place : c.path) {
            const std::string where = place;
            MoveTo(where == "caption"   ? OnScreen(form, {300, 12})
                   : where == "outside" ? Point{5, 5}
                                        : Centre(frame, place));
            Wait(60);
            if (where == "minbutton") {
                // While a button is pressed no other becomes hot.
                EXPECT_FALSE(frame->FindObject("minbutton")->Active) << c.name;
                EXPECT_EQ(frame->HotIndex(), -1) << c.name;
            }
        }
        display.releaseButton();
        Pump();
        EXPECT_EQ(closes, c.closes) << c.name;
        EXPECT_FALSE(static_cast<TbsSkinButtonObject*>(frame->FindObject("closebutton"))->Down) << c.name;
        MoveTo(OnScreen(form, {300, 300}));
        Wait(200);
    }
}

TEST_F(FrameBehaviourTest, TheMinimiseButtonMinimisesTheApplicationAndItsTaskbarEntryBringsItBack) {
    TbsSkinForm* frame = MainWindow();
    int minimized = 0;
    frame->OnMinimize = [&](framework::TObject*) { ++minimized; };
    display.click(Centre(frame, "minbutton"));
    Pump();
    EXPECT_TRUE(application.IsMinimized());
    EXPECT_TRUE(platform::IsIconic(form->Handle()));
    EXPECT_EQ(frame->FormState(), TbsFormState::Normal);  // the main form keeps its state
    EXPECT_EQ(minimized, 1);
    EXPECT_EQ(frame->HotIndex(), -1);
    display.clickTaskbarEntry(application.Handle());
    Pump();
    EXPECT_FALSE(application.IsMinimized());
    EXPECT_FALSE(platform::IsIconic(form->Handle()));
    EXPECT_EQ(form->BoundsRect(), (Rect{100, 40, 885, 681}));
    // The frame is painted again: the minimise button's normal face where it was.
    EXPECT_FALSE(frame->FindObject("minbutton")->Active);
    EXPECT_TRUE(Shows(frame, "closebutton", kCloseNormal));
    SaveScreen("frame_restored");
}

TEST_F(FrameBehaviourTest, TheSystemMenuOpensBelowItsButtonWhichStaysDownUntilItCloses) {
    TbsSkinForm* frame = MainWindow();
    auto* button = static_cast<TbsSkinButtonObject*>(frame->FindObject("systemmenubutton"));
    const Rect at = frame->ObjectScreenRect(*button);
    int opened = 0, closed = 0;
    frame->OnSkinMenuOpen = [&](framework::TObject*) { ++opened; };
    frame->OnSkinMenuClose = [&](framework::TObject*) { ++closed; };
    display.click(Centre(frame, "systemmenubutton"));
    Pump();
    TbsSkinPopupWindow* popup = OpenPopup(frame);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(ScreenRectOf(popup).topLeft(), (Point{at.Left, at.Bottom}));
    EXPECT_TRUE(button->Down);
    EXPECT_TRUE(frame->SkinMenuOpen());
    EXPECT_EQ(Captions(*frame->SystemMenuRoot()),
              (std::vector<std::string>{"BSF_MINITEM:Mi&nimize", ":-", "BSF_CLOSE:&Close Alt+F4"}));
    SaveScreen("frame_system_menu");
    display.typeKey(platform::VK_ESCAPE);
    Pump();
    EXPECT_EQ(OpenPopup(frame), nullptr);
    EXPECT_FALSE(button->Down);
    EXPECT_FALSE(frame->SkinMenuOpen());
    EXPECT_EQ(frame->CapturedIndex(), -1);
    EXPECT_EQ((std::pair{opened, closed}), (std::pair{1, 1}));
    EXPECT_EQ(closes, 0);

    // A double-click on it closes the window.
    Wait(1000);
    display.doubleClick(Centre(frame, "systemmenubutton"));
    Pump();
    EXPECT_EQ(closes, 1);
}

TEST_F(FrameBehaviourTest, AltSpaceOpensTheSystemMenuBelowTheIconAndMinimiseFromItMinimisesTheApplication) {
    TbsSkinForm* frame = MainWindow();
    const Rect icon = frame->ObjectScreenRect(*frame->FindObject("systemmenubutton"));
    AltAnd(platform::VK_SPACE);
    TbsSkinPopupWindow* popup = OpenPopup(frame);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(ScreenRectOf(popup).topLeft(), (Point{icon.Left, icon.Bottom}));
    // The first item, chosen with the keyboard.
    ASSERT_EQ(popup->Selected(), 0);
    display.typeKey(platform::VK_RETURN);
    Pump();
    EXPECT_EQ(OpenPopup(frame), nullptr);
    EXPECT_TRUE(application.IsMinimized());
    display.clickTaskbarEntry(application.Handle());
    Pump();
    // Alt+F4 reaches the platform, which closes the window through its normal close.
    AltAnd(platform::VK_F4);
    EXPECT_EQ(closes, 1);
}

TEST_F(FrameBehaviourTest, AnInactiveWindowShowsNoHover) {
    TbsSkinForm* frame = MainWindow();
    auto* other = new TForm(form);
    other->SetBounds(0, 700, 200, 60);
    other->Show();
    Pump();
    ASSERT_FALSE(frame->IsFormActive());
    MoveTo(Centre(frame, "closebutton"));
    Wait(100);
    EXPECT_EQ(frame->HotIndex(), -1);
    EXPECT_FALSE(frame->FindObject("closebutton")->Active);
    EXPECT_TRUE(Shows(frame, "closebutton", kCloseNormal));
}

TEST_F(FrameBehaviourTest, OnlyTheCaptionBarDragsTheMainWindowAndNothingSizesIt) {
    TbsSkinForm* frame = MainWindow();
    struct Case {
        Point at;  // window-relative
        int code;
    };
    const Case cases[] = {
        {{30, 5}, platform::HTCAPTION},   {{732, 19}, platform::HTCAPTION}, {{400, 12}, platform::HTCAPTION},
        {{400, 300}, platform::HTCLIENT}, {{29, 12}, platform::HTOBJECT},   {{733, 12}, platform::HTOBJECT},
        {{400, 2}, platform::HTOBJECT},   {{400, 21}, platform::HTOBJECT},  {{0, 0}, platform::HTOBJECT},
        {{1, 300}, platform::HTOBJECT},   {{783, 300}, platform::HTOBJECT}, {{400, 639}, platform::HTOBJECT},
        {{784, 640}, platform::HTOBJECT},
    };
    for (const Case& c : cases) {
        const Point p = OnScreen(form, c.at);
        EXPECT_EQ(
            platform::SendMessage(form->Handle(), platform::WM_NCHITTEST, 0, platform::LParamFromPoint(p)),
            c.code)
            << c.at.X << "," << c.at.Y;
    }
    // The buttons are inert to the platform too.
    for (const char* button : {"closebutton", "minbutton", "systemmenubutton"})
        EXPECT_EQ(platform::SendMessage(form->Handle(), platform::WM_NCHITTEST, 0,
                                        platform::LParamFromPoint(Centre(frame, button))),
                  platform::HTOBJECT)
            << button;

    platform::MINMAXINFO info;
    platform::SendMessage(form->Handle(), platform::WM_GETMINMAXINFO, 0, platform::LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize, (Point{158, 28}));
    EXPECT_EQ(info.ptMaxTrackSize, (Point{1024, 768 - platform::HeadlessDisplay::kTaskbarHeight}));

    // Dragged by the caption the window follows; dragged by a border it keeps its size.
    display.drag(OnScreen(form, {300, 12}), OnScreen(form, {360, 52}));
    Pump();
    EXPECT_EQ(form->BoundsRect(), (Rect{160, 80, 945, 721}));
    display.drag(OnScreen(form, {784, 300}), OnScreen(form, {900, 400}));
    display.drag(OnScreen(form, {400, 1}), OnScreen(form, {400, 100}));
    Pump();
    EXPECT_EQ(form->BoundsRect(), (Rect{160, 80, 945, 721}));
}

TEST_F(FrameBehaviourTest, DamagedObjectRecordsLeaveTheButtonInertOrDrawnWithoutTheMissingImage) {
    struct Case {
        const char* name;
        std::function<void(TbsDataSkinObject&)> damage;
        bool closes;                 // the button still works
        bool normalWhenHot = false;  // hovered, it keeps its normal face
    };
    const Case cases[] = {
        {"no active picture", [](TbsDataSkinObject& r) { r.ActivePictureIndex = 99; }, true},
        {"a mask picture past the skin's", [](TbsDataSkinObject& r) { r.ActiveMaskPictureIndex = 99; }, true},
        {"an active image outside the picture",
         [](TbsDataSkinObject& r) {
             r.ActiveSkinRect = {50, 0, 68, 17};
         },
         true, true},
        {"an inverted active image",
         [](TbsDataSkinObject& r) {
             r.ActiveSkinRect = {38, 17, 20, 0};
         },
         true, true},
        {"an empty face",
         [](TbsDataSkinObject& r) {
             r.SkinRect = {40, 0, 40, 0};
         },
         false},
        {"a face larger than any window",
         [](TbsDataSkinObject& r) {
             r.SkinRect = {0, 0, 1 << 26, 1 << 26};
         },
         false},
        {"a mask picture of its own, all white", [](TbsDataSkinObject& r) { r.ActiveMaskPictureIndex = 1; },
         false},
    };
    for (const Case& c : cases) {
        TbsSkinData* data = ShippedSkin();
        for (const auto& record : data->SkinObjects())
            if (record->IDName == "closebutton")
                c.damage(*record);
        auto* f = new TForm(form);
        f->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
        f->SetBounds(100, 100, 400, 300);
        auto* frame = new TbsSkinForm(f);
        frame->SetSkinData(data);
        int closed = 0;
        f->OnClose = [&](framework::TObject*, framework::TCloseAction& action) {
            ++closed;
            action = framework::TCloseAction::caNone;
        };
        f->Show();
        Pump();
        const Rect r = frame->ObjectScreenRect(*frame->FindObject("closebutton"));
        const Point centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        MoveTo(centre);
        Wait(200);
        if (c.normalWhenHot) {
            EXPECT_TRUE(Shows(frame, "closebutton", kCloseNormal)) << c.name;
        }
        display.click(centre);
        Pump();
        Wait(200);
        SaveScreen(std::string("frame_damaged_") + std::to_string(&c - cases));
        EXPECT_EQ(closed, c.closes ? 1 : 0) << c.name;
        delete f;
    }
}

TEST_F(FrameBehaviourTest, AResizableWindowSizesByItsBordersWithinTheSkinsBorderWidth) {
    // The shipped skin: "borderwidth" 4, its hit points moved to a window of 400 x 300.
    TForm* f = nullptr;
    ResizableWindow(f);
    struct Case {
        Point at;
        int code;
    };
    const Case cases[] = {
        {{200, 1}, platform::HTTOP},           {{200, 3}, platform::HTTOP},
        {{200, 6}, platform::HTCAPTION},       {{1, 1}, platform::HTTOPLEFT},
        {{398, 2}, platform::HTTOPRIGHT},      {{2, 298}, platform::HTBOTTOMLEFT},
        {{398, 298}, platform::HTBOTTOMRIGHT}, {{2, 150}, platform::HTLEFT},
        {{398, 150}, platform::HTRIGHT},       {{200, 298}, platform::HTBOTTOM},
        {{200, 150}, platform::HTCLIENT},      {{200, 22}, platform::HTOBJECT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::SendMessage(f->Handle(), platform::WM_NCHITTEST, 0,
                                        platform::LParamFromPoint(OnScreen(f, c.at))),
                  c.code)
            << c.at.X << "," << c.at.Y;
    // Dragged by its right border it grows; never below the skin's minimum.
    display.drag(OnScreen(f, {398, 150}), OnScreen(f, {458, 150}));
    Pump();
    EXPECT_EQ(f->Width(), 460);
    display.drag(OnScreen(f, {458, 150}), OnScreen(f, {0, 150}));
    Pump();
    EXPECT_EQ(f->Width(), 158);
}

// A window of 400 x 300 whose skin has hit points 10 pixels in from each corner.
FrameGeometry HitTestGeometry() {
    FrameGeometry g;
    g.window = {400, 300};
    g.newLayout.Cl = {4, 23, 396, 295};
    g.hitTestLeftTop = {10, 10};
    g.hitTestRightTop = {390, 10};
    g.hitTestLeftBottom = {10, 290};
    g.hitTestRightBottom = {390, 290};
    g.maskArea = g.newLayout.Cl;
    return g;
}

TEST(FrameHitTest, BordersSizeAResizableWindowWithinTheBorderWidthShapedByItsMask) {
    const FrameGeometry g = HitTestGeometry();
    const Rect caption[] = {{30, 5, 370, 20}};
    // The top strip of a mask whose top-left 5 x 5 corner is cut away.
    FrameStrips mask;
    mask.Top = platform::Surface(400, 23);
    mask.Top.fill(0xFF000000u);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 5; ++x) mask.Top.setPixel(x, y, 0xFFFFFFFFu);
    enum Setting { Resizable, Masked, NotResizable, Maximized, RolledUp, Minimized, ObjectHot };
    struct Case {
        Setting setting;
        Point p;
        int code;
    };
    const Case cases[] = {
        {Resizable, {200, 1}, platform::HTTOP},
        {Resizable, {200, 5}, platform::HTCAPTION},  // further than the border width: the caption
        {Resizable, {200, 4}, platform::HTOBJECT},
        {Resizable, {20, 21}, platform::HTOBJECT},
        {Resizable, {2, 2}, platform::HTTOPLEFT},
        {Resizable, {398, 2}, platform::HTTOPRIGHT},
        {Resizable, {2, 298}, platform::HTBOTTOMLEFT},
        {Resizable, {398, 298}, platform::HTBOTTOMRIGHT},
        {Resizable, {1, 150}, platform::HTLEFT},
        {Resizable, {398, 150}, platform::HTRIGHT},
        {Resizable, {200, 298}, platform::HTBOTTOM},
        {Resizable, {200, 150}, platform::HTCLIENT},
        {Resizable, {7, 4}, platform::HTOBJECT},
        {Masked, {7, 4}, platform::HTTOPLEFT},  // a probe falls into the cut corner
        {Masked, {20, 4}, platform::HTOBJECT},  // the probes stay within the shape
        {Masked, {200, 150}, platform::HTCLIENT},
        {NotResizable, {200, 1}, platform::HTOBJECT},
        {NotResizable, {2, 2}, platform::HTOBJECT},
        {Maximized, {200, 1}, platform::HTOBJECT},
        {Maximized, {200, 150}, platform::HTCLIENT},
        {RolledUp, {200, 150}, platform::HTOBJECT},
        {RolledUp, {200, 10}, platform::HTCAPTION},
        {Minimized, {2, 2}, platform::HTOBJECT},
        {ObjectHot, {200, 1}, platform::HTOBJECT},
        {ObjectHot, {200, 10}, platform::HTCAPTION},
    };
    for (const Case& c : cases) {
        FrameHitTestInput in;
        in.geometry = &g;
        in.borderWidth = 3;
        in.captionDragAreas = caption;
        in.resizable = c.setting != NotResizable;
        in.maskStrips = c.setting == Masked ? &mask : nullptr;
        in.state = c.setting == Maximized   ? HitTestWindowState::Maximized
                   : c.setting == Minimized ? HitTestWindowState::Minimized
                                            : HitTestWindowState::Normal;
        in.rolledUp = c.setting == RolledUp;
        in.objectHot = c.setting == ObjectHot;
        EXPECT_EQ(HitTestSkinnedFrame(in, c.p), c.code) << c.setting << " at " << c.p.X << "," << c.p.Y;
    }
}

TEST(MagneticEdges, AWindowSticksToAnEdgeUntilThePointerHasMovedMoreThanTheMagneticSize) {
    const Rect area{0, 0, 1024, 738};
    const platform::Size size{400, 300};
    // A drag along x at y 100: the window's proposed left and the pointer's x.
    struct Step {
        int32_t proposed, cursor, left;
    };
    const Step steps[] = {
        {50, 150, 50},  // far from the edge
        {3, 103, 0},    // within 5: snaps
        {6, 106, 0},    // the pointer moved 3: still stuck though the proposal left the reach
        {8, 108, 0},    // moved 5: still stuck
        {9, 109, 6},    // moved 6: torn away, following the pointer
        {12, 112, 12},  // free
        {-2, 98, 0},    // snaps again from the other side
        {-7, 93, 0},    // moved 5
        {-8, 92, -6},   // moved 6: torn away past the edge
    };
    MagneticEdges edges;
    for (const Step& s : steps) {
        const Point at = SnapToScreenEdges(edges, {s.proposed, 100}, size, area, 5, {s.cursor, 200});
        EXPECT_EQ(at, (Point{s.left, 100})) << "proposed " << s.proposed << ", pointer " << s.cursor;
    }
    // The far edges: right and bottom snap the window's right and bottom sides.
    MagneticEdges corner;
    EXPECT_EQ(SnapToScreenEdges(corner, {622, 436}, size, area, 5, {700, 500}), (Point{624, 438}));
}

TEST_F(FrameBehaviourTest, MovingSnapsToTheWorkAreaOnlyWithMagnetic) {
    TForm* f = nullptr;
    TbsSkinForm* frame = ResizableWindow(f);
    frame->SetMagnetic(true);
    const Point grip = OnScreen(f, {200, 12});
    // Dragged to 3 pixels from the left edge: there it sticks.
    display.drag(grip, {grip.X - 197, grip.Y}, 4);
    Pump();
    EXPECT_EQ(f->Left(), 0);
    frame->SetMagnetic(false);
    display.drag(OnScreen(f, {200, 12}), OnScreen(f, {203, 12}), 1);
    Pump();
    EXPECT_EQ(f->Left(), 3);
}

TEST_F(FrameBehaviourTest, MaximisingTakesTheWorkAreaOrLeavesAPixelForAHiddenTaskbar) {
    struct Case {
        const char* name;
        Rect workArea;
        Rect maximised;
    };
    const Case cases[] = {
        {"a taskbar", {0, 0, 1024, 738}, {0, 0, 1024, 738}},
        {"an auto-hidden taskbar", {0, 0, 1024, 768}, {1, 1, 1023, 767}},
    };
    for (const Case& c : cases) {
        display.setMonitors({{{0, 0, 1024, 768}, c.workArea, true}});
        Pump();
        TForm* f = nullptr;
        TbsSkinForm* frame = ResizableWindow(f);
        frame->ChangeFormState(TbsFormState::Maximized);
        EXPECT_EQ(f->BoundsRect(), c.maximised) << c.name;
        // A maximised window does not move.
        Rect proposed = c.maximised.offsetBy(30, 30);
        platform::SendMessage(f->Handle(), platform::WM_MOVING, 0, platform::LPARAM(&proposed));
        EXPECT_EQ(proposed, c.maximised) << c.name;
        frame->ChangeFormState(TbsFormState::Normal);
        EXPECT_EQ(f->BoundsRect(), (Rect{200, 150, 600, 450})) << c.name;
        delete f;
    }
}

TEST_F(FrameBehaviourTest, RestoringReturnsExactlyAndKeepsTheRollUpOfBeforeMaximising) {
    struct Case {
        const char* name;
        bool rollUpBefore, rollUpWhileMaximised;
        Rect restored;
        bool rolledUp;
    };
    const Case cases[] = {
        {"not rolled up", false, false, {200, 150, 600, 450}, false},
        {"rolled up before maximising", true, false, {200, 150, 600, 178}, true},
        {"rolled up while maximised", false, true, {200, 150, 600, 450}, false},
    };
    for (const Case& c : cases) {
        TForm* f = nullptr;
        TbsSkinForm* frame = ResizableWindow(f);
        if (c.rollUpBefore)
            frame->SetRollUp(true);
        frame->ChangeFormState(TbsFormState::Maximized);
        if (c.rollUpWhileMaximised) {
            frame->SetRollUp(true);
            EXPECT_TRUE(frame->RolledUpMaximized()) << c.name;
        }
        frame->ChangeFormState(TbsFormState::Normal);
        EXPECT_EQ(f->BoundsRect(), c.restored) << c.name;
        EXPECT_EQ(frame->RolledUp(), c.rolledUp) << c.name;
        EXPECT_TRUE(frame->RestoreBounds().isEmpty()) << c.name;
        delete f;
    }
}

TEST_F(FrameBehaviourTest, RollingUpAndDownFollowsItsRules) {
    TForm* f = nullptr;
    TbsSkinForm* frame = ResizableWindow(f);
    int changes = 0;
    frame->OnChangeRollUpState = [&](framework::TObject*) { ++changes; };
    frame->SetRollUp(true);
    EXPECT_EQ(f->Height(), 28);
    frame->SetRollUp(true);  // once rolled up, the height to go back to stays
    EXPECT_EQ(frame->RollUpHeight(), 300);
    frame->SetRollUp(false);
    EXPECT_EQ(f->Height(), 300);
    EXPECT_EQ(changes, 2);
    // A caption double-click on a resizable window maximises it, the next restores it.
    const Point caption = OnScreen(f, {200, 12});
    display.doubleClick(caption);
    Pump();
    EXPECT_EQ(frame->FormState(), TbsFormState::Maximized);
    display.doubleClick(OnScreen(f, {200, 12}));
    Pump();
    EXPECT_EQ(frame->FormState(), TbsFormState::Normal);
    EXPECT_EQ(f->BoundsRect(), (Rect{200, 150, 600, 450}));
    // Without the roll-up icon nothing rolls; with ClientHeight the client height comes back.
    frame->SetBorderIcons({TbsBorderIcon::biSystemMenu});
    frame->SetRollUp(true);
    EXPECT_FALSE(frame->RolledUp());
    frame->SetBorderIcons({TbsBorderIcon::biRollUp});
    frame->SetClientHeight(100);
    frame->SetRollUp(true);
    frame->SetRollUp(false);
    EXPECT_EQ(f->ClientHeight(), 100);
}

TEST_F(FrameBehaviourTest, FormsOtherThanTheMainOneAreParkedSideBySideWhenMinimised) {
    std::vector<TForm*> forms(3);
    std::vector<TbsSkinForm*> frames;
    for (TForm*& f : forms) frames.push_back(ResizableWindow(f));
    for (TbsSkinForm* frame : frames) frame->ChangeFormState(TbsFormState::Minimized);
    for (size_t i = 0; i < forms.size(); ++i)
        EXPECT_EQ(forms[i]->BoundsRect(), platform::rectOfSize(int32_t(158 * i), 738 - 28, 158, 28)) << i;
    frames[1]->ChangeFormState(TbsFormState::Normal);
    EXPECT_EQ(forms[1]->BoundsRect(), (Rect{200, 150, 600, 450}));
}

TEST(SystemMenuItems, TheDefaultItemsFollowTheWindowsStateAndIcons) {
    const TbsBorderIcons all{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                             TbsBorderIcon::biMaximize, TbsBorderIcon::biRollUp,
                             TbsBorderIcon::biMinimizeToTray};
    struct Case {
        const char* name;
        SystemMenuState state;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"the main window",
         {{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize}},
         {"BSF_MINITEM", "", "BSF_CLOSE"}},
        {"no icons", {}, {"BSF_CLOSE"}},
        {"every icon, normal",
         {all},
         {"BSF_MINITEM", "BSF_MAXITEM", "BSF_ROLLUP", "BSF_MINTOTRAY", "", "BSF_CLOSE"}},
        {"maximised",
         {all, false, true},
         {"BSF_MINITEM", "BSF_RESTORE", "BSF_ROLLUP", "BSF_MINTOTRAY", "", "BSF_CLOSE"}},
        {"minimised", {all, true, false}, {"BSF_MAXITEM", "BSF_RESTORE", "BSF_MINTOTRAY", "", "BSF_CLOSE"}},
        {"rolled up",
         {all, false, false, true},
         {"BSF_MINITEM", "BSF_MAXITEM", "BSF_RESTORE", "BSF_MINTOTRAY", "", "BSF_CLOSE"}},
    };
    for (const Case& c : cases) {
        framework::TMenuItem root(nullptr);
        BuildDefaultSystemMenu(root, c.state, nullptr, {});
        std::vector<std::string> names;
        for (int i = 0; i < root.Count(); ++i) names.push_back(root.Items(i)->Name());
        EXPECT_EQ(names, c.names) << c.name;
    }
    // Merged into a form's own menu: its items stay between the window commands and Close.
    framework::TMenuItem own(nullptr);
    auto* item = new framework::TMenuItem(nullptr);
    item->SetCaption("Settings");
    own.Add(item);
    SystemMenuState mainWindow{{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize}};
    MergeDefaultSystemMenu(own, mainWindow, nullptr, {});
    MergeDefaultSystemMenu(own, mainWindow, nullptr, {});  // a second opening replaces them
    std::vector<std::string> captions;
    for (int i = 0; i < own.Count(); ++i) captions.push_back(own.Items(i)->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"Mi&nimize", "Settings", "&Close"}));
}

}  // namespace
}  // namespace skin
