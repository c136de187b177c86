// The frame objects on a layered border that draws the whole frame: there they draw onto the top
// strip, whose pixels carry alpha (premultiplied), instead of onto the window. A caption button's
// face takes its alpha from the record's alpha mask pictures (laid out like its active picture, so
// the face and its mask are cut alike); without one, what the object draws is opaque.
#include <algorithm>
#include <functional>

#include "platform/gfx/dc.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_objects.h"
#include "skin/frame/skin_form.h"
#include "skin/render/rect_helpers.h"

namespace skin {

using namespace platform;

namespace {

// What `draw` paints at `at` (strip coordinates) onto the strip: pixels whose colour it changed
// become opaque; the others keep the strip's own pixel, alpha included.
void DrawOpaqueOnto(Picture& strip, const Rect& at, const std::function<void(HDC)>& draw) {
    const Rect r = intersect(at, strip.bounds());
    if (IsEmptyRect(r))
        return;
    // The strip's colours as they show over black, which the drawing blends with.
    Picture under(r.width(), r.height());
    CopyPictureRect(under, under.bounds(), strip, r);
    Picture drawn = under;
    HDC dc = CreateSurfaceDC(&drawn, {0, 0}, nullptr);
    SetWindowOrgEx(dc, r.Left, r.Top, nullptr);
    draw(dc);
    DeleteDC(dc);
    for (int32_t y = 0; y < drawn.height(); ++y)
        for (int32_t x = 0; x < drawn.width(); ++x) {
            const uint32_t was = under.pixel(x, y), now = drawn.pixel(x, y);
            if ((was & 0xFFFFFFu) != (now & 0xFFFFFFu))
                strip.setPixel(r.Left + x, r.Top + y, now | 0xFF000000u);
        }
}

// Draws a picture (at the object's place, strip coordinates) of what `draw` paints there.
Picture DrawnAt(const Rect& at, const std::function<void(HDC)>& draw) {
    Picture p(at.width(), at.height());
    p.fill(0);
    HDC dc = CreateSurfaceDC(&p, {0, 0}, nullptr);
    SetWindowOrgEx(dc, at.Left, at.Top, nullptr);
    draw(dc);
    DeleteDC(dc);
    return p;
}

// The face over the strip at `at`, each pixel with the mean of its mask pixel's colours as alpha.
void BlendMaskedFace(Picture& strip, const Rect& at, const Picture& face, const Picture& mask) {
    for (int32_t y = 0; y < face.height(); ++y) {
        const int64_t sy = int64_t(at.Top) + y;
        if (sy < 0 || sy >= strip.height())
            continue;
        for (int32_t x = 0; x < face.width(); ++x) {
            const int64_t sx = int64_t(at.Left) + x;
            if (sx < 0 || sx >= strip.width())
                continue;
            const uint32_t m = mask.pixel(x, y);
            const uint32_t a = (((m >> 16) & 0xFF) + ((m >> 8) & 0xFF) + (m & 0xFF)) / 3;
            const uint32_t f = face.pixel(x, y), s = strip.pixel(int32_t(sx), int32_t(sy));
            auto over = [&](int shift) {
                const uint32_t source = (((f >> shift) & 0xFF) * a + 127) / 255;
                return (source + (((s >> shift) & 0xFF) * (255 - a) + 127) / 255) & 0xFF;
            };
            const uint32_t alpha = std::min<uint32_t>(255, a + (((s >> 24) * (255 - a) + 127) / 255));
            strip.setPixel(int32_t(sx), int32_t(sy),
                           (alpha << 24) | (over(16) << 16) | (over(8) << 8) | over(0));
        }
    }
}

// Object faces are drawn at the object's size; one larger than a picture may be is not drawn.
bool Drawable(const Rect& r) {
    return !IsEmptyRect(r) && Picture::SizeAllowed(WidthOfRect(r), HeightOfRect(r));
}

}  // namespace

// --- Caption buttons ------------------------------------------------------------------------------

void TbsSkinStdButtonObject::PrepareAlphaImages() {
    alphaMasks_ = {-1, -1, -1};
    const TbsSkinData* data = Data();
    const framework::TBitmap* picture = ActivePicture();
    if (!data || !picture || !StdRecord().SkinRectInAPicture)
        return;
    const TbsDataSkinStdButton& r = StdRecord();
    const int32_t indexes[] = {r.AlphaMaskPictureIndex, r.AlphaMaskActivePictureIndex,
                               r.AlphaMaskInActivePictureIndex};
    const auto& pictures = data->ActivePictures();
    for (size_t i = 0; i < alphaMasks_.size(); ++i) {
        const int32_t k = indexes[i];
        if (k >= 0 && size_t(k) < pictures.size() && pictures[size_t(k)].Width() == picture->Width() &&
            pictures[size_t(k)].Height() == picture->Height())
            alphaMasks_[i] = k;
    }
}

const framework::TBitmap* TbsSkinStdButtonObject::AlphaMaskNow() const {
    const TbsSkinData* data = Data();
    if (!data)
        return nullptr;
    int32_t k = alphaMasks_[0];
    if (!WindowActive() && alphaMasks_[2] != -1)
        k = alphaMasks_[2];
    else if ((Active || (Down && MouseIn)) && alphaMasks_[1] != -1)
        k = alphaMasks_[1];
    // The skin's pictures may have changed since the masks were checked.
    const auto& pictures = data->ActivePictures();
    return k >= 0 && size_t(k) < pictures.size() ? &pictures[size_t(k)] : nullptr;
}

void TbsSkinStdButtonObject::DrawWithAlpha(Picture& strip) {
    if (!Drawable(ObjectRect))
        return;
    auto face = [this](HDC dc) { Draw(dc, true); };
    const framework::TBitmap* mask = ShowsIcon() || !fromRecord_ ? nullptr : AlphaMaskNow();
    const framework::TBitmap* picture = ActivePicture();
    if (!mask || !picture || mask->Width() != picture->Width() || mask->Height() != picture->Height()) {
        DrawOpaqueOnto(strip, ObjectRect, face);
        return;
    }
    const Picture drawnFace = DrawnAt(ObjectRect, face);
    pictureStandIn_ = mask;
    const Picture drawnMask = DrawnAt(ObjectRect, face);
    pictureStandIn_ = nullptr;
    BlendMaskedFace(strip, ObjectRect, drawnFace, drawnMask);
}

// --- The caption bar ------------------------------------------------------------------------------

void TbsSkinCaptionObject::DrawWithAlpha(Picture& strip) {
    if (!Data() || !Drawable(ObjectRect))
        return;
    DrawOpaqueOnto(strip, ObjectRect, [this](HDC dc) { DrawText(dc, ObjectRect, WindowActive()); });
}

}  // namespace skin
