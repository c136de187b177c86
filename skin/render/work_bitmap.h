// TbsBitmap: the 32-bit work bitmap with an alpha channel. Caption text effects, layered windows
// and glow frames are composed in it and then blended onto a device context or pushed to a layered
// window.
//
// Pixels are 0xAARRGGBB (bytes B, G, R, A), rows top to bottom without padding, in a platform
// bitmap selected into a memory device context (the bitmap's canvas). Every live bitmap is listed
// process-wide, so that drawing onto a context that belongs to a work bitmap becomes a direct
// bitmap-to-bitmap draw.
#pragma once

#include <cstdint>
#include <string>

#include "framework/core/exception.h"
#include "framework/graphics/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"
#include "platform/gfx/surface.h"
#include "skin/render/pixel_blend.h"

namespace skin {

// Raised by Resize when the buffer, its context or the selection cannot be made.
class EbsBitmapError : public framework::Exception {
    using Exception::Exception;
};

class TbsBitmap {
  public:
    // No buffer: 0 x 0, flags clear, no name.
    TbsBitmap() = default;
    ~TbsBitmap();
    TbsBitmap(const TbsBitmap&) = delete;
    TbsBitmap& operator=(const TbsBitmap&) = delete;

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool Empty() const { return !bitmap_; }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // With `alpha`, drawing blends by the per-pixel alpha; with `transparent` (and not `alpha`),
    // pixels of the marker colour are left out; with neither, pixels are copied.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }
    bool Alpha() const { return alpha_; }
    void SetAlpha(bool value) { alpha_ = value; }
    DrawMode Mode() const {
        return alpha_ ? DrawMode::Blend : transparent_ ? DrawMode::Transparent : DrawMode::Copy;
    }

    // Negative sizes count by their absolute value. A zero width or height, or the current size,
    // changes nothing (the pixels stay). Otherwise the old buffer goes and a new all-zero buffer is
    // made. Failing, it raises EbsBitmapError and leaves the bitmap without a buffer.
    void Resize(int32_t width, int32_t height);

    // From another work bitmap: size, pixels, name and both flags.
    void CopyFrom(const TbsBitmap& source);
    // From a framework bitmap: a 32-bit one gives its pixels as they are and then DetectAlpha;
    // any other gives its colours with alpha 255.
    void CopyFrom(const framework::TBitmap& source);
    // The target becomes a 32-bit bitmap of this size with this bitmap drawn on it at (0, 0).
    void CopyTo(framework::TBitmap& target) const;

    // The memory device context the pixels are selected into (null without a buffer).
    platform::HDC CanvasOf() const { return dc_; }
    // The pixels (an empty surface without a buffer).
    platform::Surface& Pixels();
    const platform::Surface& Pixels() const;

    void FillAlpha(uint8_t value);
    // Every colour byte larger than its pixel's alpha is lowered to the alpha (keeps a
    // premultiplied buffer valid).
    void ClampColoursToAlpha();
    // `alpha` becomes whether any pixel has an alpha other than 0 and 255.
    void DetectAlpha();
    // Every pixel whose red, green and blue each differ from the key's by less than 6 becomes the
    // marker with alpha 0, and `transparent` is set.
    void KeyColourToTransparent(platform::COLORREF key);

    // 0 outside the bitmap or without a buffer; writes outside are ignored.
    uint32_t PixelAt(int32_t x, int32_t y) const;
    void SetPixelAt(int32_t x, int32_t y, uint32_t value);
    // The rectangle clipped to the bitmap: `value` blended onto it with `alpha`, else set.
    void FillArea(const platform::Rect& rect, uint32_t value);

    // Draws the whole bitmap at (x, y) of a device context: onto the work bitmap that owns the
    // context directly; with `alpha` by reading the area back, blending and writing it; with
    // `transparent` by the platform's transparent blit; otherwise by a plain copy.
    void DrawToCanvas(platform::HDC dc, int32_t x, int32_t y) const;
    void DrawToBitmap(TbsBitmap& target, int32_t x, int32_t y) const;
    // The source rectangle onto the destination rectangle, scaled when their sizes differ: the
    // first destination column shows the first source column, the last the last (see the .cpp).
    // Nothing when the source rectangle is empty or reaches outside this bitmap.
    void DrawToBitmap(TbsBitmap& target, const platform::Rect& dest, const platform::Rect& source) const;

    // The live work bitmap whose canvas is `dc`, or null.
    static TbsBitmap* OwnerOfCanvas(platform::HDC dc);

  private:
    void FreeBuffer();

    int32_t width_ = 0;
    int32_t height_ = 0;
    platform::HBITMAP bitmap_ = nullptr;
    platform::HDC dc_ = nullptr;
    platform::HGDIOBJ previous_ = nullptr;
    std::string name_;
    bool transparent_ = false;
    bool alpha_ = false;
};

}  // namespace skin
