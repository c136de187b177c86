// The fitting room: made once at start-up, hidden, in a plain tool window placed above the screen's
// centre; the button shows that one window without blocking the main window, however often it is
// pressed; closing hides it without reloading its page; it goes with the main window.
#include "app/fitting_room.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/window/focus.h"
#include "platform/window/keys.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"
#include "search_program_fixture.h"

namespace app::test {
namespace {

using ::testing::ElementsAre;

using FittingRoom = SearchProgramTest;

TEST_F(FittingRoom, MadeOnceHiddenAsAToolWindowPlacedAboveTheCentre) {
    Start();
    TForm2* room = form->FittingRoom();
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(room->Owner(), form);
    EXPECT_FALSE(room->Visible());
    EXPECT_THAT(Room().navigations(), ElementsAre("http://pages.test:8080/qrwk/syj.html"));

    EXPECT_EQ(room->ClientWidth(), 790);
    EXPECT_EQ(room->ClientHeight(), 680);
    EXPECT_EQ(room->Caption(), "");
    const auto exStyle = platform::GetWindowLong(room->Handle(), platform::GWL_EXSTYLE);
    const auto style = platform::GetWindowLong(room->Handle(), platform::GWL_STYLE);
    EXPECT_TRUE(exStyle & platform::WS_EX_TOOLWINDOW);
    EXPECT_TRUE(style & platform::WS_SYSMENU);
    EXPECT_FALSE(style & (platform::WS_THICKFRAME | platform::WS_MINIMIZEBOX | platform::WS_MAXIMIZEBOX));
    EXPECT_EQ(room->m_web->BoundsRect(), room->ClientRect());
    // On the 1024 x 768 screen, for its outer size.
    EXPECT_EQ(room->Left(), (1024 - room->Width()) / 2);
    EXPECT_EQ(room->Top(), (768 - room->Height()) / 2 - 10);
}

TEST_F(FittingRoom, TheButtonShowsTheOneWindowHoweverOftenItIsPressed) {
    Start();
    TForm2* room = form->FittingRoom();
    const platform::Rect placed = room->BoundsRect();
    for (int press = 0; press < 3; ++press) {
        form->m_soso2->Click();
        Pump();
    }
    EXPECT_TRUE(room->Visible());
    EXPECT_TRUE(platform::IsWindowVisible(room->Handle()));
    EXPECT_EQ(application.FormCount(), 2);
    EXPECT_EQ(room->BoundsRect(), placed);
    EXPECT_EQ(Room().navigations().size(), 1u);
    // Shown without blocking: the main window still takes the mouse and the keyboard once the
    // shopper has moved the fitting room off it.
    EXPECT_TRUE(platform::IsWindowEnabled(form->Handle()));
    display.moveFromDesktop(room->Handle(), {0, 300});
    Click(*form->m_keyword, 5, 5);
    display.commitText("风衣");
    Pump();
    EXPECT_EQ(form->m_keyword->Text(), "风衣");
    // No taskbar entry of its own.
    for (platform::HWND entry : display.taskbarEntries()) EXPECT_NE(entry, room->Handle());
}

TEST_F(FittingRoom, ClosingHidesItAndShowingAgainKeepsThePageAndThePlace) {
    Start();
    TForm2* room = form->FittingRoom();
    Room().finishLoading();
    form->m_soso2->Click();
    Pump();
    display.moveFromDesktop(room->Handle(), {30, 40});
    Pump();
    display.requestClose(room->Handle());
    Pump();
    EXPECT_FALSE(room->Visible());
    EXPECT_EQ(form->FittingRoom(), room);

    form->m_soso2->Click();
    Pump();
    EXPECT_TRUE(room->Visible());
    EXPECT_EQ(room->BoundsRect().topLeft(), (platform::Point{30, 40}));
    EXPECT_EQ(Room().navigations().size(), 1u);
    EXPECT_TRUE(Room().hasDocument());
}

TEST_F(FittingRoom, GoesWithTheMainWindow) {
    Start();
    const platform::HWND room = form->FittingRoom()->Handle();
    form->m_soso2->Click();
    Pump();
    delete form;
    EXPECT_FALSE(platform::IsWindow(room));
    EXPECT_EQ(application.FormCount(), 0);
}

}  // namespace
}  // namespace app::test
