// The frame component on forms of the headless display: its message hook, painting, regions and
// skin changes, with the shipped skin, a damaged one and none.
#include "skin/frame/skin_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "framework/controls/panel.h"
#include "platform/gfx/dc.h"
#include "platform/gfx/region.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/controls/skinned_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "tests/skin_controls/controls_fixture.h"
#include "tests/skin_data/skin_fixture.h"

namespace skin {
namespace {

using framework::TForm;
using framework::TMessage;
using platform::Rect;
using platform::Size;

// A skinned control that counts the skin changes it is told about.
class CountingControl : public framework::TWinControl, public SkinnedControl {
  public:
    using TWinControl::TWinControl;
    TbsSkinData* SkinData() const override { return data; }
    void ResetSkinIndex() override { ++resets; }
    void ChangeSkinData() override { ++changes; }
    TbsSkinData* data = nullptr;
    int resets = 0, changes = 0;
};

class SkinFormTest : public controls_test::ControlsTest {
  protected:
    // A single-bordered form as the main window is, its previous handler counting what reaches it.
    TForm* MakeForm() {
        TForm* f = application.CreateForm<TForm>();
        f->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
        f->SetCaption("Velmoro V1.0");
        f->SetBounds(20, 20, 400, 300);
        framework::TWndMethod original = f->WindowProc();
        f->SetWindowProc([counts = counts_, original](TMessage& m) {
            ++(*counts)[m.Msg];
            original(m);
        });
        return f;
    }
    TbsSkinForm* Attach(TForm* f, TbsSkinData* data) {
        auto* frame = new TbsSkinForm(f);
        frame->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize});
        frame->SetShowIcon(true);
        frame->SetSkinData(data);
        return frame;
    }
    static Rect WindowRectOf(TForm* f) {
        Rect r;
        platform::GetWindowRect(f->Handle(), &r);
        return r;
    }
    static std::optional<Rect> RegionBox(TForm* f) {
        platform::HRGN copy = platform::CreateRectRgn(0, 0, 0, 0);
        std::optional<Rect> box;
        if (platform::GetWindowRgn(f->Handle(), copy) != 0) {
            Rect r;
            platform::GetRgnBox(copy, &r);
            box = r;
        }
        platform::DeleteObject(copy);
        return box;
    }
    // The frame as SKM_PRINTFRAME paints it, over magenta.
    static platform::Surface Printed(TForm* f) {
        const Rect r = WindowRectOf(f);
        platform::Surface s(r.width(), r.height());
        s.fill(platform::PixelFromColor(platform::RGB(255, 0, 255)));
        platform::HDC dc = platform::CreateSurfaceDC(&s, {0, 0}, nullptr);
        platform::SendMessage(f->Handle(), SKM_PRINTFRAME, platform::WPARAM(dc), 0);
        platform::DeleteDC(dc);
        return s;
    }

    // The counts outlive the fixture's forms, which the application frees after the fixture.
    std::shared_ptr<std::map<platform::UINT, int>> counts_ =
        std::make_shared<std::map<platform::UINT, int>>();
    std::map<platform::UINT, int>& reached = *counts_;
};

TEST_F(SkinFormTest, AnOwnerThatIsNoFormIsRefused) {
    framework::TPanel panel(nullptr);
    EXPECT_THROW(TbsSkinForm frame(&panel), framework::EInvalidCast);
    EXPECT_THROW(TbsSkinForm frame(nullptr), framework::EInvalidCast);
}

TEST_F(SkinFormTest, MessagesReachThePreviousHandlerOnceOrNeverAsTheTableSays) {
    TForm* f = MakeForm();
    TbsSkinForm* frame = Attach(f, ShippedSkin());
    f->Show();
    Pump();
    platform::HWND w = f->Handle();
    struct Case {
        platform::UINT message;
        platform::WPARAM wParam;
        int reachesPrevious;
    };
    const Case cases[] = {
        {platform::WM_NULL, 0, 1},           // not in the table
        {platform::WM_SETTEXT, 0, 1},        // passed on, then the frame repainted
        {platform::WM_GETMINMAXINFO, 0, 1},  // limits filled in, passed on
        {platform::WM_NCPAINT, 1, 0},
        {platform::WM_NCACTIVATE, 1, 0},
        {platform::WM_ERASEBKGND, 0, 0},
        {SKM_AFTERCHANGESKINDATA, 0, 1},
        {SKM_FRAMEQUERY, 0, 0},
        {SKM_PRINTFRAME, 0, 0},
        {SKM_PRINTFRAME2, 0, 1},  // without the key in lParam it is not the request
        {SKM_LAYERSUSPEND, 0, 1},
        {SKM_MENUCLOSED, 0, 1},
    };
    for (const Case& c : cases) {
        reached.clear();
        platform::LPARAM l = 0;
        platform::MINMAXINFO info;
        if (c.message == platform::WM_GETMINMAXINFO)
            l = platform::LPARAM(&info);
        if (c.message == platform::WM_SETTEXT)
            l = platform::LPARAM("Velmoro V1.0");
        platform::SendMessage(w, c.message, c.wParam, l);
        EXPECT_EQ(reached[c.message], c.reachesPrevious) << std::hex << c.message;
    }
    reached.clear();
    platform::NCCALCSIZE_PARAMS params;
    params.rgrc[0] = {0, 0, 785, 641};
    platform::SendMessage(w, platform::WM_NCCALCSIZE, 1, platform::LPARAM(&params));
    EXPECT_EQ(reached[platform::WM_NCCALCSIZE], 0);
    EXPECT_EQ(params.rgrc[0], (Rect{4, 23, 781, 636}));

    EXPECT_EQ(platform::SendMessage(w, platform::WM_NCACTIVATE, 0, 0), 1);
    EXPECT_EQ(platform::SendMessage(w, SKM_FRAMEQUERY, 0, 0), kFrameQuerySkinned);
    EXPECT_EQ(platform::SendMessage(w, SKM_PRINTFRAME, 0, 0), 0);  // no DC: nothing painted, no answer
    platform::Surface s(10, 10);
    platform::HDC dc = platform::CreateSurfaceDC(&s, {0, 0}, nullptr);
    EXPECT_EQ(platform::SendMessage(w, SKM_PRINTFRAME, platform::WPARAM(dc), 0), kPrintFrameDone);
    EXPECT_EQ(platform::SendMessage(w, SKM_PRINTFRAME2, platform::WPARAM(dc), kPrintFrame2Key),
              kPrintFrame2Key);
    platform::DeleteDC(dc);

    // The minimum tracking size: the frame picture's width and its own height without client.
    platform::MINMAXINFO info;
    platform::SendMessage(w, platform::WM_GETMINMAXINFO, 0, platform::LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize, (platform::Point{158, 28}));

    // Detached, the previous handler gets everything again and the platform frame is back.
    delete frame;
    reached.clear();
    platform::SendMessage(w, platform::WM_NCPAINT, 1, 0);
    EXPECT_EQ(reached[platform::WM_NCPAINT], 1);
    EXPECT_FALSE(RegionBox(f).has_value());
}

TEST_F(SkinFormTest, TheMainWindowsSizesAndItsRegionFollowEverySizeChange) {
    TForm* f = MakeForm();
    Attach(f, ShippedSkin());
    f->Show();
    f->SetClientWidth(777);
    f->SetClientHeight(613);
    Pump();
    EXPECT_EQ(f->Width(), 785);
    EXPECT_EQ(f->Height(), 641);
    EXPECT_EQ(RegionBox(f), (Rect{0, 0, 785, 641}));
    f->SetClientHeight(68);
    Pump();
    EXPECT_EQ(f->Height(), 96);
    // A skin without a mask: a rectangle of exactly the window's size, rebuilt on each change.
    EXPECT_EQ(RegionBox(f), (Rect{0, 0, 785, 96}));
    SaveScreen("frame_collapsed");
}

TEST_F(SkinFormTest, LiveSizingBuildsTheFrameForTheProposedSizeFirst) {
    TForm* f = MakeForm();
    TbsSkinForm* frame = Attach(f, ShippedSkin());
    f->Show();
    Pump();
    platform::HWND w = f->Handle();
    platform::SendMessage(w, platform::WM_ENTERSIZEMOVE, 0, 0);
    Rect proposed = WindowRectOf(f);
    proposed.Right += 50;
    proposed.Bottom += 30;
    platform::SendMessage(w, platform::WM_SIZING, platform::WMSZ_BOTTOMRIGHT, platform::LPARAM(&proposed));
    // The window has not changed yet; the frame and region are already those of the new size.
    EXPECT_EQ(f->Width(), 400);
    EXPECT_TRUE(frame->LiveSizing());
    EXPECT_EQ(frame->FrameWidth(), 450);
    EXPECT_EQ(frame->Geometry().newLayout.Cl, (Rect{4, 23, 446, 325}));
    EXPECT_EQ(RegionBox(f), (Rect{0, 0, 450, 330}));
    platform::SendMessage(w, platform::WM_EXITSIZEMOVE, 0, 0);
    EXPECT_FALSE(frame->LiveSizing());
    EXPECT_EQ(frame->FrameWidth(), 400);  // the window kept its size: the frame follows it back
}

TEST_F(SkinFormTest, ASkinChangeReachesEverySkinnedControlOnce) {
    TForm* f = MakeForm();
    TbsSkinData* data = ShippedSkin();
    auto* control = new CountingControl(f);
    control->SetParent(f);
    control->data = data;
    auto* other = new CountingControl(f);  // reads another skin: not told
    other->SetParent(f);
    Attach(f, data);
    std::vector<uint32_t> events;
    auto* frame = static_cast<TbsSkinForm*>(f->Components(f->ComponentCount() - 1));
    frame->OnBeforeChangeSkinData = [&](framework::TObject*) { events.push_back(SKM_BEFORECHANGESKINDATA); };
    frame->OnChangeSkinData = [&](framework::TObject*) { events.push_back(SKM_CHANGESKINDATA); };
    frame->OnAfterChangeSkinData = [&](framework::TObject*) { events.push_back(SKM_AFTERCHANGESKINDATA); };
    for (uint32_t message : {SKM_BEFORECHANGESKINDATA, SKM_CHANGESKINDATA, SKM_AFTERCHANGESKINDATA})
        platform::SendMessage(f->Handle(), message, platform::WPARAM(data), kSkinMessageLParam);
    EXPECT_EQ(control->resets, 1);
    EXPECT_EQ(control->changes, 1);
    EXPECT_EQ(other->resets + other->changes, 0);
    EXPECT_THAT(events,
                testing::ElementsAre(SKM_BEFORECHANGESKINDATA, SKM_CHANGESKINDATA, SKM_AFTERCHANGESKINDATA));
    EXPECT_EQ(frame->FrameObjects().size(), 7u);  // rebuilt from the skin
}

TEST_F(SkinFormTest, SwitchingTheSkinOffAndOnWhileMaximisedKeepsTheWindowMaximised) {
    TForm* f = MakeForm();
    TbsSkinData* data = ShippedSkin();
    TbsSkinForm* frame = Attach(f, data);
    f->Show();
    Pump();
    frame->ChangeFormState(TbsFormState::Maximized);
    const Rect maximised = f->BoundsRect();
    EXPECT_EQ(maximised.width(), 1024);
    data->SetSkinnableForm(false);
    Pump();
    EXPECT_FALSE(frame->Skinnable());
    EXPECT_EQ(f->WindowState(), framework::TWindowState::wsMaximized);
    EXPECT_TRUE(f->Visible());
    data->SetSkinnableForm(true);
    Pump();
    EXPECT_TRUE(frame->Skinnable());
    EXPECT_EQ(frame->FormState(), TbsFormState::Maximized);
    EXPECT_EQ(f->BoundsRect(), maximised);
    EXPECT_TRUE(f->Visible());
    frame->ChangeFormState(TbsFormState::Normal);
    EXPECT_EQ(f->BoundsRect(), (Rect{20, 20, 420, 320}));
}

TEST_F(SkinFormTest, WithoutASkinOrWithADamagedOneThePlainFrameIsDrawn) {
    struct Case {
        const char* name;
        std::function<TbsSkinData*()> skin;
    };
    const Case cases[] = {
        {"no skin data", []() -> TbsSkinData* { return nullptr; }},
        {"an empty skin", [this] { return new TbsSkinData(form); }},
        {"a skin that failed to load",
         [this] {
             auto* data = new TbsSkinData(form);
             auto* stored = new TbsCompressedStoredSkin(form);
             fixture::StorePackage(*stored, {1, 2, 3, 4});
             try {
                 data->LoadStoredSkin(*stored);
             } catch (const std::exception&) {
             }
             EXPECT_TRUE(data->Empty());
             return data;
         }},
        {"a client rectangle outside the frame picture",
         [this] {
             TbsSkinData* data = ShippedSkin();
             const_cast<TbsFormInfo&>(data->FormInfo()).ClientRect = {4, 23, 400, 131};
             return data;
         }},
        {"an inverted client rectangle",
         [this] {
             TbsSkinData* data = ShippedSkin();
             const_cast<TbsFormInfo&>(data->FormInfo()).ClientRect = {154, 131, 4, 23};
             return data;
         }},
    };
    for (const Case& c : cases) {
        TForm* f = MakeForm();
        TbsSkinForm* frame = Attach(f, c.skin());
        f->Show();
        Pump();
        EXPECT_FALSE(frame->SkinApplied()) << c.name;
        Rect client;
        platform::GetClientRect(f->Handle(), &client);
        EXPECT_EQ(client, (Rect{0, 0, 394, 275})) << c.name;  // 3-pixel border, 19-pixel caption
        const platform::Surface s = Printed(f);
        EXPECT_EQ(platform::ColorFromPixel(s.pixel(0, 0)), platform::GetSysColor(platform::COLOR_3DLIGHT))
            << c.name;
        EXPECT_EQ(platform::ColorFromPixel(s.pixel(200, 150)), platform::RGB(255, 0, 255)) << c.name;
        EXPECT_EQ(RegionBox(f), (Rect{0, 0, 400, 300})) << c.name;
        delete f;
    }
}

TEST_F(SkinFormTest, SkinDataRemovedAtRunTimeGivesThePlainFrameAtTheNextSizeChange) {
    TForm* f = MakeForm();
    TbsSkinData* data = ShippedSkin();
    TbsSkinForm* frame = Attach(f, data);
    f->Show();
    Pump();
    ASSERT_TRUE(frame->SkinApplied());
    delete data;
    EXPECT_EQ(frame->SkinData(), nullptr);
    platform::SendMessage(f->Handle(), platform::WM_NCPAINT, 1, 0);  // keeps what was painted
    f->SetWidth(420);
    Pump();
    EXPECT_FALSE(frame->SkinApplied());
    const platform::Surface s = Printed(f);
    EXPECT_EQ(platform::ColorFromPixel(s.pixel(0, 0)), platform::GetSysColor(platform::COLOR_3DLIGHT));
}

TEST_F(SkinFormTest, ObjectsBelowTheClientTopDrawOnTheBottomStrip) {
    // The close button moved into the bottom-left corner of the frame picture: it follows the
    // corner down, below the client area's top, and draws on the bottom strip.
    TbsSkinData* data = ShippedSkin();
    for (const auto& record : data->SkinObjects())
        if (record->IDName == "closebutton") {
            record->SkinRectInAPicture = false;
            record->SkinRect = {1, 131, 5, 135};
            record->ActiveSkinRect = {20, 0, 24, 4};
        }
    TForm* f = MakeForm();
    TbsSkinForm* frame = Attach(f, data);
    f->Show();
    Pump();
    TbsActiveSkinObject* close = frame->FindObject("closebutton");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->ObjectRect, (Rect{1, 295, 5, 299}));  // dH = 300 - 136
    // Hot and fully morphed: the active face over the frame picture's own pixels there.
    close->Active = true;
    close->MorphFactor = 1;
    const platform::Surface s = Printed(f);
    const platform::Surface& active = data->ActivePictures()[0].Surface();
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            ASSERT_EQ(s.pixel(1 + x, 295 + y) | 0xFF000000u, active.pixel(20 + x, y) | 0xFF000000u)
                << x << "," << y;
}

// The frame keeps its strips from paint to paint: painted again after its caption and its
// activation changed, it is pixel for pixel what a new frame paints at once, also with a skin whose
// corner points lie outside its picture (whose strips keep pixels that composing does not write).
TEST_F(SkinFormTest, PaintingAgainGivesWhatAFreshFramePaints) {
    struct Case {
        const char* name;
        std::function<void(TbsFormInfo&)> damage;
    };
    const Case cases[] = {
        {"the shipped skin", [](TbsFormInfo&) {}},
        {"corner points outside the picture",
         [](TbsFormInfo& info) {
             info.LeftTopPoint = {-30, 40};
             info.RightTopPoint = {400, 2};
         }},
    };
    for (const Case& c : cases) {
        TbsSkinData* data = ShippedSkin();
        c.damage(const_cast<TbsFormInfo&>(data->FormInfo()));
        TForm* painted = MakeForm();
        Attach(painted, data);
        painted->SetCaption("A caption long enough to reach across the whole caption bar of the window");
        painted->Show();
        Pump();
        Printed(painted);
        painted->SetCaption("Velmoro V1.0");
        platform::SendMessage(painted->Handle(), platform::WM_NCACTIVATE, 0, 0);
        const platform::Surface again = Printed(painted);
        TForm* fresh = MakeForm();
        Attach(fresh, data);
        fresh->Show();
        Pump();
        platform::SendMessage(fresh->Handle(), platform::WM_NCACTIVATE, 0, 0);
        EXPECT_TRUE(Printed(fresh) == again) << c.name;
        delete painted;
        delete fresh;
    }
}

TEST_F(SkinFormTest, AnInactiveFrameWithTheInvertEffectIsInvertedObjectsIncluded) {
    TbsSkinData* data = ShippedSkin();
    TForm* f = MakeForm();
    TbsSkinForm* frame = Attach(f, data);
    f->Show();
    Pump();
    const platform::Surface activeFrame = Printed(f);
    const_cast<TbsFormInfo&>(data->FormInfo()).AutoRenderingInActiveImage = true;
    const_cast<TbsFormInfo&>(data->FormInfo()).InActiveEffect = TInactiveEffect::ieInvert;
    platform::SendMessage(f->Handle(), platform::WM_NCACTIVATE, 0, 0);
    ASSERT_FALSE(frame->IsFormActive());
    const platform::Surface inactive = Printed(f);
    // The close button (its face is the same in both states) and the border, inverted.
    for (platform::Point p :
         {platform::Point{392 - 18 + 5, 10}, platform::Point{1, 150}, platform::Point{200, 297}})
        EXPECT_EQ(inactive.pixel(p.X, p.Y) & 0xFFFFFFu, ~activeFrame.pixel(p.X, p.Y) & 0xFFFFFFu)
            << p.X << "," << p.Y;
}

}  // namespace
}  // namespace skin
