// What every framework test on the headless display needs: a display, an application, and the
// standard error box recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/control.h"
#include "framework/forms/application.h"
#include "platform/display/headless_display.h"
#include "platform/window/message_loop.h"

namespace framework::test {

class FrameworkTest : public ::testing::Test {
protected:
    FrameworkTest() {
        previousHook_ = TApplication::SetErrorBoxHook(
            [this](const std::string&, const std::string& text) { errorBoxes.push_back(text); });
    }
    ~FrameworkTest() override { TApplication::SetErrorBoxHook(std::move(previousHook_)); }

    // Runs what is queued (input included) until nothing is left.
    void Pump() { Application->ProcessMessages(); }
    // The screen point of a client point of the control.
    static platform::Point At(const TControl& control, int x, int y) { return control.ClientToScreen({x, y}); }
    void Click(const TControl& control, int x, int y) {
        display.click(At(control, x, y));
        Pump();
    }
    void Type(int vk) {
        display.typeKey(vk);
        Pump();
    }

    platform::HeadlessDisplay display;
    TApplication application;
    std::vector<std::string> errorBoxes;

private:
    TErrorBoxHook previousHook_;
};

}  // namespace framework::test
