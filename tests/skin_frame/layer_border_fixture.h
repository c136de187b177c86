// What the layered-border tests share: a sizeable form wearing a skin on a headless display that
// composes alpha, so that its border's windows are made, and what those tests read of it.
#pragma once

#include <string>
#include <vector>

#include "platform/window/messages.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/frame/layer_border.h"
#include "skin/frame/layer_geometry.h"
#include "skin/frame/skin_form.h"
#include "tests/skin_controls/controls_fixture.h"

namespace skin::layer_test {

class LayerBorderFixture : public controls_test::ControlsTest {
  protected:
    LayerBorderFixture() { display.setComposesAlpha(true); }

    // The form wearing `data`, shown at (200, 150), 400 x 300. Its closes are counted and refused;
    // its previous handler checks, at every step of a move loop, that the border is where the form is.
    TbsSkinForm* ShowForm(TbsSkinData* data) {
        skinned = application.CreateForm<framework::TForm>();
        skinned->SetBorderStyle(framework::TFormBorderStyle::bsSizeable);
        skinned->SetCaption("Velmoro V1.0");
        skinned->SetBounds(200, 150, 400, 300);
        skinned->OnClose = [this](framework::TObject*, framework::TCloseAction& action) {
            ++closes;
            action = framework::TCloseAction::caNone;
        };
        framework::TWndMethod original = skinned->WindowProc();
        skinned->SetWindowProc([this, original](framework::TMessage& m) {
            if (m.Msg == platform::WM_MOVING && frame && frame->LayerBorder().Shown()) {
                ++movingSteps;
                if (frame->LayerBorder().OuterRect() != ExpectedOuter())
                    ++stepsBehind;
            }
            original(m);
        });
        frame = new TbsSkinForm(skinned);
        frame->SetSkinData(data);
        skinned->Show();
        Pump();
        return frame;
    }
    platform::Rect FormRect() const {
        platform::Rect r;
        platform::GetWindowRect(skinned->Handle(), &r);
        return r;
    }
    // Where the border's windows should close around the form now.
    platform::Rect ExpectedOuter() const {
        return LayerOuterRect(*frame->LayerBorder().Layout(), FormRect(), false);
    }
    // The border windows on the screen, visible or not.
    static std::vector<platform::HWND> LayerWindows() {
        std::vector<platform::HWND> found;
        for (platform::HWND w = nullptr;
             (w = platform::FindWindowEx(nullptr, w, TbsFormLayerWindow::kClassName, nullptr));)
            found.push_back(w);
        return found;
    }
    // Saves the screen under <build>/screenshots/skin_frame/<name>.png.
    void SaveShot(const std::string& name) const { SaveScreen(name, "skin_frame"); }

    framework::TForm* skinned = nullptr;
    TbsSkinForm* frame = nullptr;
    int closes = 0;
    int movingSteps = 0, stepsBehind = 0;
};

}  // namespace skin::layer_test
