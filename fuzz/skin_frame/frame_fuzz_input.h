// What the frame's fuzz targets share: reading values from the input bytes, and a form wearing the
// shipped skin on a headless display that lives for the whole run.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "platform/display/headless_display.h"
#include "platform/geometry.h"
#include "skin/data/embedded_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skins/shipped_skin.h"

namespace frame_fuzz {

struct Bytes {
    const uint8_t* data;
    size_t size;
    // Around the frame values stay small (below `range`), sometimes anything.
    int32_t range = 400;
    int32_t next() {
        int32_t v = 0;
        const size_t n = std::min(size, sizeof v);
        std::memcpy(&v, data, n);
        data += n;
        size -= n;
        return v;
    }
    uint8_t byte() {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    int32_t coordinate() {
        const int32_t v = next();
        return (v & 0x7) == 0 ? v : (v >> 3) % range - 100;
    }
    platform::Point point() { return {coordinate(), coordinate()}; }
    platform::Rect rect() { return {coordinate(), coordinate(), coordinate(), coordinate()}; }
};

struct World {
    platform::HeadlessDisplay display;
    framework::TApplication application;
    framework::TForm* form = nullptr;
    skin::TbsSkinData* data = nullptr;
    skin::TbsSkinForm* frame = nullptr;

    World() {
        form = application.CreateForm<framework::TForm>();
        form->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
        form->SetCaption("Velmoro V1.0");
        data = skin::LoadEmbeddedSkin(form, skins::ShippedSkinCompressedData());
        frame = new skin::TbsSkinForm(form);
        frame->SetShowIcon(true);
        frame->SetSkinData(data);
        form->Show();
        application.ProcessMessages();
    }
};

}  // namespace frame_fuzz
