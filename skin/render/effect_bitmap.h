// TbsEffectBmp: a 24-bit bitmap on which the colour effects run: the look of an inactive window
// frame ("inactiveeffect") and the morph between a normal and an active face ("morphkind").
//
// Layout: width x height pixels of 3 bytes (blue, green, red), rows top to bottom, each row padded
// to a multiple of 4 bytes. Every effect works row by row through one scratch row.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/gdi_object.h"
#include "skin/data/value_types.h"
#include "skin/render/picture.h"

namespace skin {

class TbsEffectBmp {
  public:
    TbsEffectBmp() = default;
    // Blank (black) at a size; sizes beyond the surface bounds give an empty bitmap.
    TbsEffectBmp(int32_t width, int32_t height);
    // A copy of a picture's colours.
    explicit TbsEffectBmp(const Picture& picture);
    // A copy of a platform bitmap's colours.
    static TbsEffectBmp FromBitmap(platform::HBITMAP bitmap);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t RowBytes() const { return rowBytes_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    uint8_t* Row(int32_t y) { return bits_.data() + size_t(y) * size_t(rowBytes_); }
    const uint8_t* Row(int32_t y) const { return bits_.data() + size_t(y) * size_t(rowBytes_); }
    // The colour of a pixel as a platform colour value (0x00BBGGRR); 0 outside the bitmap.
    platform::COLORREF ColorAt(int32_t x, int32_t y) const;
    void SetColorAt(int32_t x, int32_t y, platform::COLORREF color);

    // The pixels as a picture (alpha 255), for composition and drawing.
    Picture ToPicture() const;
    // Sets the device pixels at (x, y) from the buffer, unscaled.
    void PaintAt(platform::HDC dc, int32_t x, int32_t y) const;

    // Rotations and the vertical flip, written into `target` (resized to fit): pixel (x, y) goes to
    // (y, width - 1 - x), to (height - 1 - y, x) and to (x, height - 1 - y).
    void RotateCounterClockwise(TbsEffectBmp& target) const;
    void RotateClockwise(TbsEffectBmp& target) const;
    void FlipRows(TbsEffectBmp& target) const;

    // --- Colour effects (per colour byte c, results rounded to nearest, halves to even, clamped) --
    void Lighten(double x);  // x clamped to 0 .. 1: (1 - x) c + 255 x
    void Darken(double x);   // x clamped to 0 .. 1: (1 - x) c
    void ToGray();           // all three bytes 0.3 red + 0.59 green + 0.11 blue
    // One pseudo-random n in 0 .. amount - 1 per pixel; n - amount div 2 added to all three bytes.
    void AddNoise(int32_t amount, uint32_t seed = 1);
    void BlurSplit(int32_t amount);
    void InvertColours();

    // --- Morphs: this bitmap is the normal look A, `b` the active look B of the same size (another
    // size does nothing), x the progress from 0 to 1 ---
    void BlendWith(const TbsEffectBmp& b, double x);
    void GradientFromCentre(const TbsEffectBmp& b, double x);
    void GradientFromLeft(const TbsEffectBmp& b, double x);
    void GradientFromRight(const TbsEffectBmp& b, double x);
    void SlideFromLeft(const TbsEffectBmp& b, double x);
    void SlideFromRight(const TbsEffectBmp& b, double x);
    void PushFromLeft(const TbsEffectBmp& b, double x);

    friend bool operator==(const TbsEffectBmp&, const TbsEffectBmp&) = default;

  private:
    void GradientFromCentreAcross(const TbsEffectBmp& b, double x);
    void GradientFromCentreDown(const TbsEffectBmp& b, double x);
    bool SameSize(const TbsEffectBmp& b) const { return b.width_ == width_ && b.height_ == height_; }

    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t rowBytes_ = 0;
    std::vector<uint8_t> bits_;
};

// The inactive-frame effects as the window frame applies them, one row per "inactiveeffect" value.
struct InactiveEffectEntry {
    TInactiveEffect effect;
    void (*apply)(TbsEffectBmp& bitmap);
};
extern const InactiveEffectEntry kInactiveEffects[6];
void ApplyInactiveEffect(TbsEffectBmp& bitmap, TInactiveEffect effect);
// The same on a picture (a frame strip), in place.
void ApplyInactiveEffect(Picture& picture, TInactiveEffect effect);

// The morphs by "morphkind".
void Morph(TbsEffectBmp& a, const TbsEffectBmp& b, TMorphKind kind, double x);

}  // namespace skin
