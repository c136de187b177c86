#include "tests/skin_controls/controls_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/embedded_skin.h"
#include "skins/shipped_skin.h"
#include "tests/skin_data/skin_fixture.h"

namespace controls_test {

using namespace framework;
using platform::COLORREF;
using platform::Rect;

ControlsTest::ControlsTest() {
    form = application.CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(10, 10, 900, 700);
    form->Show();
    Pump();
}

skin::TbsSkinData* ControlsTest::ShippedSkin() {
    return EmbeddedSkin(skins::ShippedSkinCompressedData());
}

skin::TbsSkinData* ControlsTest::EmbeddedSkin(std::span<const uint8_t> bytes) {
    return skin::LoadEmbeddedSkin(form, bytes);
}

skin::TbsSkinData* ControlsTest::SkinOf(const std::string& iniText, const std::vector<TBitmap>& pictures) {
    auto* stored = new skin::TbsCompressedStoredSkin(form);
    fixture::StoreSkin(*stored, iniText, pictures);
    auto* data = new skin::TbsSkinData(form);
    data->LoadStoredSkin(*stored);
    return data;
}

COLORREF ControlsTest::ColorAt(const TControl& control, int x, int y) const {
    return display.colorAt(control.ClientToScreen({x, y}));
}

std::vector<COLORREF> ControlsTest::PixelsOf(const platform::Surface& picture, const Rect& r) {
    std::vector<COLORREF> colors;
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        for (int32_t x = r.Left; x < r.Right; ++x)
            colors.push_back(platform::ColorFromPixel(picture.pixel(x, y)));
    return colors;
}

std::vector<COLORREF> ControlsTest::ScreenPixels(const TControl& control, const Rect& r) const {
    const platform::Surface screen = display.screenshot();
    const platform::Point origin = display.screenOrigin();
    const platform::Point at = control.ClientToScreen({r.Left, r.Top});
    return PixelsOf(screen, r.offsetBy(at.X - r.Left - origin.X, at.Y - r.Top - origin.Y));
}

void ControlsTest::SaveScreen(const std::string& name, const std::string& folder) const {
    const char* binary = std::getenv("VELMORO_BINARY_DIR");
    const std::filesystem::path dir = std::filesystem::path(binary ? binary : ".") / "screenshots" / folder;
    std::filesystem::create_directories(dir);
    display.saveScreenshot((dir / (name + ".png")).string());
}

}  // namespace controls_test
