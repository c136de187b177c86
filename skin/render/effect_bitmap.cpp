#include "skin/render/effect_bitmap.h"

#include <iterator>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/dc.h"

namespace skin {

using namespace platform;

TbsEffectBmp::TbsEffectBmp(int32_t width, int32_t height) {
    if (!Surface::SizeAllowed(width, height) || width <= 0 || height <= 0)
        return;
    width_ = width;
    height_ = height;
    rowBytes_ = (3 * width + 3) & ~3;
    bits_.assign(size_t(rowBytes_) * size_t(height), 0);
}

TbsEffectBmp::TbsEffectBmp(const Picture& picture) : TbsEffectBmp(picture.width(), picture.height()) {
    for (int32_t y = 0; y < height_; ++y) {
        const uint32_t* in = picture.row(y);
        uint8_t* out = Row(y);
        for (int32_t x = 0; x < width_; ++x) {
            out[3 * x] = uint8_t(in[x]);
            out[3 * x + 1] = uint8_t(in[x] >> 8);
            out[3 * x + 2] = uint8_t(in[x] >> 16);
        }
    }
}

TbsEffectBmp TbsEffectBmp::FromBitmap(HBITMAP bitmap) {
    const Surface* pixels = SurfaceOfBitmap(bitmap);
    return pixels ? TbsEffectBmp(*pixels) : TbsEffectBmp();
}

COLORREF TbsEffectBmp::ColorAt(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    const uint8_t* p = Row(y) + 3 * x;
    return RGB(p[2], p[1], p[0]);
}

void TbsEffectBmp::SetColorAt(int32_t x, int32_t y, COLORREF color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    uint8_t* p = Row(y) + 3 * x;
    p[0] = GetBValue(color);
    p[1] = GetGValue(color);
    p[2] = GetRValue(color);
}

Picture TbsEffectBmp::ToPicture() const {
    Picture p(width_, height_);
    for (int32_t y = 0; y < height_; ++y) {
        const uint8_t* in = Row(y);
        uint32_t* out = p.row(y);
        for (int32_t x = 0; x < width_; ++x) out[x] = PackBGRA(in[3 * x], in[3 * x + 1], in[3 * x + 2], 0xFF);
    }
    return p;
}

void TbsEffectBmp::PaintAt(HDC dc, int32_t x, int32_t y) const {
    if (Empty())
        return;
    Picture pixels = ToPicture();
    HDC source = CreateSurfaceDC(&pixels, {0, 0}, nullptr);
    BitBlt(dc, x, y, width_, height_, source, 0, 0, SRCCOPY);
    DeleteDC(source);
}

namespace {

// Writes every pixel of `from` to place(x, y) of `to` (already sized).
template <class Place>
void Remap(const TbsEffectBmp& from, TbsEffectBmp& to, Place place) {
    for (int32_t y = 0; y < from.Height(); ++y) {
        const uint8_t* in = from.Row(y);
        for (int32_t x = 0; x < from.Width(); ++x) {
            const Point p = place(x, y);
            uint8_t* out = to.Row(p.Y) + 3 * p.X;
            out[0] = in[3 * x];
            out[1] = in[3 * x + 1];
            out[2] = in[3 * x + 2];
        }
    }
}

}  // namespace

void TbsEffectBmp::RotateCounterClockwise(TbsEffectBmp& target) const {
    target = TbsEffectBmp(height_, width_);
    Remap(*this, target, [&](int32_t x, int32_t y) { return Point{y, width_ - 1 - x}; });
}

void TbsEffectBmp::RotateClockwise(TbsEffectBmp& target) const {
    target = TbsEffectBmp(height_, width_);
    Remap(*this, target, [&](int32_t x, int32_t y) { return Point{height_ - 1 - y, x}; });
}

void TbsEffectBmp::FlipRows(TbsEffectBmp& target) const {
    target = TbsEffectBmp(width_, height_);
    Remap(*this, target, [&](int32_t x, int32_t y) { return Point{x, height_ - 1 - y}; });
}

// The amounts the window frame uses for each inactive effect.
const InactiveEffectEntry kInactiveEffects[6] = {
    {TInactiveEffect::ieBrightness, [](TbsEffectBmp& b) { b.Lighten(0.5); }},
    {TInactiveEffect::ieDarkness, [](TbsEffectBmp& b) { b.Darken(0.3); }},
    {TInactiveEffect::ieGrayscale, [](TbsEffectBmp& b) { b.ToGray(); }},
    {TInactiveEffect::ieNoise, [](TbsEffectBmp& b) { b.AddNoise(50); }},
    {TInactiveEffect::ieSplitBlur, [](TbsEffectBmp& b) { b.BlurSplit(1); }},
    {TInactiveEffect::ieInvert, [](TbsEffectBmp& b) { b.InvertColours(); }},
};
static_assert(std::size(kInactiveEffects) == EnumNames<TInactiveEffect>::names.size());

void ApplyInactiveEffect(TbsEffectBmp& bitmap, TInactiveEffect effect) {
    for (const InactiveEffectEntry& e : kInactiveEffects)
        if (e.effect == effect)
            e.apply(bitmap);
}

void ApplyInactiveEffect(Picture& picture, TInactiveEffect effect) {
    TbsEffectBmp bitmap(picture);
    ApplyInactiveEffect(bitmap, effect);
    picture = bitmap.ToPicture();
}

void Morph(TbsEffectBmp& a, const TbsEffectBmp& b, TMorphKind kind, double x) {
    using Fn = void (TbsEffectBmp::*)(const TbsEffectBmp&, double);
    static constexpr struct {
        TMorphKind kind;
        Fn fn;
    } kMorphs[] = {
        {TMorphKind::mkDefault, &TbsEffectBmp::BlendWith},
        {TMorphKind::mkGradient, &TbsEffectBmp::GradientFromCentre},
        {TMorphKind::mkLeftGradient, &TbsEffectBmp::GradientFromLeft},
        {TMorphKind::mkRightGradient, &TbsEffectBmp::GradientFromRight},
        {TMorphKind::mkLeftSlide, &TbsEffectBmp::SlideFromLeft},
        {TMorphKind::mkRightSlide, &TbsEffectBmp::SlideFromRight},
        {TMorphKind::mkPush, &TbsEffectBmp::PushFromLeft},
    };
    static_assert(std::size(kMorphs) == EnumNames<TMorphKind>::names.size());
    for (const auto& m : kMorphs)
        if (m.kind == kind)
            (a.*m.fn)(b, x);
}

}  // namespace skin
