// The framework's bitmap: a picture with width, height and pixel format whose pixels live in a
// platform::Surface (so that a canvas can draw into it), loaded from and saved to BMP images.
//
// Palette formats keep their palette and one index per pixel besides the colours, so an image that
// is loaded and saved unchanged gives back the same bytes. Pixels changed through the surface are
// mapped back to the palette (the same colour, else the nearest) when the bitmap is saved.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/stream.h"
#include "framework/graphics/bmp.h"
#include "platform/color.h"
#include "platform/gfx/gdi_object.h"
#include "platform/gfx/surface.h"

namespace framework {

enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };

// A bitmap size beyond the platform's surface bounds.
class EOutOfResources : public Exception {
    using Exception::Exception;
};

int BitsPerPixel(TPixelFormat format);

class TCanvas;

// The canvas of a bitmap: one canvas object for the bitmap's life, drawing through a device
// context over the bitmap's pixels that is made again whenever the pixels are replaced or resized.
// A copy of a bitmap starts without one; it plays no part in comparing bitmaps.
class BitmapCanvas {
  public:
    BitmapCanvas();
    // noexcept, so that bitmaps move (not copy their pixels) when a vector of them grows.
    BitmapCanvas(const BitmapCanvas&) noexcept : BitmapCanvas() {}
    BitmapCanvas& operator=(const BitmapCanvas&);
    ~BitmapCanvas();
    friend bool operator==(const BitmapCanvas&, const BitmapCanvas&) { return true; }

    TCanvas& For(platform::Surface& pixels);
    // The pixels changed place or size: an existing canvas draws on them from now on.
    void Rebind(platform::Surface& pixels);

  private:
    void DropContext();
    std::unique_ptr<TCanvas> canvas_;
    platform::HDC dc_ = nullptr;
    const platform::Surface* bound_ = nullptr;
    platform::Size size_;
};

class TBitmap {
  public:
    TBitmap() = default;

    int32_t Width() const { return surface_.width(); }
    int32_t Height() const { return surface_.height(); }
    bool Empty() const { return surface_.isEmpty(); }

    // New size, every pixel black (palette images: index 0). EOutOfResources beyond the bounds.
    void SetSize(int32_t width, int32_t height);
    // Back to a new bitmap: 0 x 0, 24 bits.
    void Clear();

    TPixelFormat PixelFormat() const;
    int BitsPerPixel() const { return bmp_.bitsPerPixel; }
    // Changing between palette and true-colour formats keeps the colours (palette formats get a
    // standard palette and the nearest entries).
    void SetPixelFormat(TPixelFormat format);

    // Palette formats: the entries as colours (0x00BBGGRR); empty for true colour.
    std::vector<platform::COLORREF> Palette() const;
    // Replaces the palette of a palette format (at most 2^bits entries); the pixels keep their
    // indexes and show the new colours.
    void SetPalette(const std::vector<platform::COLORREF>& colors);
    // Palette formats: the index of each pixel, rows top first.
    const std::vector<uint8_t>& PaletteIndexes() const { return indexes_; }

    platform::Surface& Surface() { return surface_; }
    const platform::Surface& Surface() const { return surface_; }
    // Checked pixel access by colour; outside the bitmap reads black and writes nothing.
    platform::COLORREF Pixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, platform::COLORREF color);

    // Reads one BMP image from the stream's position, consuming exactly the bytes its header
    // gives; the bitmap is unchanged when that fails (EInvalidGraphic, EReadError).
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& path);
    // Takes a decoded image's pixels, palette and header fields as they are.
    void LoadFromImage(BmpImage image);
    // Writes the bitmap as one BMP image; an empty bitmap raises EInvalidGraphic.
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const std::string& path) const;

    // Draws on the bitmap's pixels (palette bitmaps map drawn colours to their palette when saved).
    TCanvas& Canvas() { return canvas_.For(surface_); }

    friend bool operator==(const TBitmap&, const TBitmap&) = default;

  private:
    bool Indexed() const { return BitsPerPixel() <= 8; }
    std::vector<uint8_t> IndexesMatchingPixels() const;
    void ShowIndexes();

    BmpFormat bmp_;  // bit depth, palette and the fields written back as read
    platform::Surface surface_;
    std::vector<uint8_t> indexes_;
    BitmapCanvas canvas_;
};

}  // namespace framework
