// What the skinned-control tests share: a shown form on the headless display, skins to give the
// controls (the shipped skin as the main window loads it, or a small one made in the test), and
// reading the screen under a control.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "skin/data/skin_data.h"
#include "tests/framework/framework_fixture.h"

namespace controls_test {

class ControlsTest : public framework::test::FrameworkTest {
  protected:
    ControlsTest();

    // The shipped skin, loaded from the bytes the main window embeds; owned by the form.
    skin::TbsSkinData* ShippedSkin();
    // A skin from a packed stream the build embedded (the form data's "CompressedData").
    skin::TbsSkinData* EmbeddedSkin(std::span<const uint8_t> bytes);
    // A skin of that INI text and active pictures; owned by the form.
    skin::TbsSkinData* SkinOf(const std::string& iniText,
                              const std::vector<framework::TBitmap>& pictures = {});

    // The colour on the screen at a client point of a control.
    platform::COLORREF ColorAt(const framework::TControl& control, int x, int y) const;
    // The pixels of a picture's rectangle, and of the screen under a control's rectangle, as colours.
    static std::vector<platform::COLORREF> PixelsOf(const platform::Surface& picture,
                                                    const platform::Rect& r);
    std::vector<platform::COLORREF> ScreenPixels(const framework::TControl& control,
                                                 const platform::Rect& r) const;
    // Saves the screen under <build>/screenshots/<folder>/<name>.png.
    void SaveScreen(const std::string& name, const std::string& folder = "skin_controls") const;

    framework::TForm* form = nullptr;
};

}  // namespace controls_test
