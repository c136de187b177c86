#include "framework/graphics/bitmap.h"

#include <array>
#include <climits>
#include <type_traits>

#include "framework/graphics/canvas.h"
#include "platform/gfx/dc.h"

namespace framework {

namespace {

constexpr std::array<TPixelFormat, 5> kFormats = {TPixelFormat::pf1bit, TPixelFormat::pf4bit,
                                                  TPixelFormat::pf8bit, TPixelFormat::pf24bit,
                                                  TPixelFormat::pf32bit};
constexpr std::array<int, 5> kBits = {1, 4, 8, 24, 32};
static_assert(kFormats.size() == kBits.size() && int(TPixelFormat::pf32bit) + 1 == int(kBits.size()),
              "every pixel format has its bit depth");

uint32_t EntryFromColor(platform::COLORREF c) {
    return platform::PixelFromColor(c, 0);
}
constexpr uint32_t kRgbMask = 0x00FFFFFF;

// The palette a bitmap gets when it turns into a palette format: black and white; the 16 VGA
// colours; a 6 x 6 x 6 colour cube and 40 greys.
std::vector<uint32_t> StandardPalette(int bits) {
    std::vector<platform::COLORREF> colors;
    if (bits == 1) {
        colors = {platform::RGB(0, 0, 0), platform::RGB(255, 255, 255)};
    } else if (bits == 4) {
        for (int i = 0; i < 16; ++i) {
            uint8_t on = i & 8 ? 255 : 128;
            if (i == 7)
                colors.push_back(platform::RGB(192, 192, 192));
            else if (i == 8)
                colors.push_back(platform::RGB(128, 128, 128));
            else
                colors.push_back(platform::RGB(i & 1 ? on : 0, i & 2 ? on : 0, i & 4 ? on : 0));
        }
    } else {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    colors.push_back(platform::RGB(uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)));
        for (int i = 0; i < 40; ++i) {
            uint8_t v = uint8_t(i * 255 / 39);
            colors.push_back(platform::RGB(v, v, v));
        }
    }
    std::vector<uint32_t> entries;
    for (auto c : colors) entries.push_back(EntryFromColor(c));
    return entries;
}

uint8_t NearestIndex(const std::vector<uint32_t>& palette, uint32_t pixel) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (size_t i = 0; i < palette.size(); ++i) {
        uint32_t e = palette[i];
        int db = int(e & 0xFF) - int(pixel & 0xFF);
        int dg = int((e >> 8) & 0xFF) - int((pixel >> 8) & 0xFF);
        int dr = int((e >> 16) & 0xFF) - int((pixel >> 16) & 0xFF);
        int distance = db * db + dg * dg + dr * dr;
        if (distance < bestDistance) {
            best = int(i);
            bestDistance = distance;
            if (distance == 0)
                break;
        }
    }
    return uint8_t(best);
}

}  // namespace

int BitsPerPixel(TPixelFormat format) {
    return kBits[size_t(format)];
}

TPixelFormat TBitmap::PixelFormat() const {
    for (size_t i = 0; i < kBits.size(); ++i)
        if (kBits[i] == bmp_.bitsPerPixel)
            return kFormats[i];
    return TPixelFormat::pf24bit;
}

void TBitmap::SetSize(int32_t width, int32_t height) {
    if (!platform::Surface::SizeAllowed(width, height))
        throw EOutOfResources("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                              " is beyond the bounds");
    surface_.resize(width, height);
    if (Indexed()) {
        indexes_.assign(size_t(width) * size_t(height), 0);
        ShowIndexes();
    }
    canvas_.Rebind(surface_);
}

void TBitmap::Clear() {
    *this = TBitmap();
    canvas_.Rebind(surface_);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    int bits = framework::BitsPerPixel(format);
    if (bits == bmp_.bitsPerPixel)
        return;
    // Header fields that belonged to the old depth (masks, colour-table hints) no longer apply.
    bmp_ = BmpFormat{};
    bmp_.bitsPerPixel = bits;
    if (!Indexed()) {
        indexes_.clear();
        if (bits == 24)
            for (int32_t y = 0; y < Height(); ++y)
                for (int32_t x = 0; x < Width(); ++x) surface_.row(y)[x] |= 0xFF000000u;
        return;
    }
    bmp_.palette = StandardPalette(bits);
    indexes_.assign(size_t(Width()) * size_t(Height()), 0);
    indexes_ = IndexesMatchingPixels();
    ShowIndexes();
}

std::vector<platform::COLORREF> TBitmap::Palette() const {
    std::vector<platform::COLORREF> colors;
    for (uint32_t e : bmp_.palette) colors.push_back(platform::ColorFromPixel(e));
    return colors;
}

void TBitmap::SetPalette(const std::vector<platform::COLORREF>& colors) {
    if (!Indexed())
        throw EInvalidGraphic("Only palette bitmaps have a palette");
    if (colors.empty() || colors.size() > (size_t(1) << BitsPerPixel()))
        throw EInvalidGraphic("A palette of " + std::to_string(colors.size()) + " colours does not fit " +
                              std::to_string(BitsPerPixel()) + " bits");
    bmp_.palette.clear();
    for (auto c : colors) bmp_.palette.push_back(EntryFromColor(c));
    ShowIndexes();
}

platform::COLORREF TBitmap::Pixel(int32_t x, int32_t y) const {
    return platform::ColorFromPixel(surface_.pixel(x, y));
}

void TBitmap::SetPixel(int32_t x, int32_t y, platform::COLORREF color) {
    surface_.setPixel(x, y, platform::PixelFromColor(color));
}

void TBitmap::ShowIndexes() {
    for (int32_t y = 0; y < Height(); ++y) {
        uint32_t* row = surface_.row(y);
        const uint8_t* idx = indexes_.data() + size_t(y) * size_t(Width());
        for (int32_t x = 0; x < Width(); ++x) row[x] = PixelOfIndex(bmp_.palette, idx[x]);
    }
}

// The indexes to write: each pixel keeps its index while it still shows that index's colour (so an
// unchanged image saves as it was read); a pixel drawn over takes the nearest palette entry.
std::vector<uint8_t> TBitmap::IndexesMatchingPixels() const {
    std::vector<uint8_t> result = indexes_;
    const uint32_t* pixels = surface_.data();
    for (size_t i = 0; i < result.size(); ++i) {
        uint32_t shown = PixelOfIndex(bmp_.palette, result[i]);
        if (((shown ^ pixels[i]) & kRgbMask) != 0)
            result[i] = NearestIndex(bmp_.palette, pixels[i]);
    }
    return result;
}

void TBitmap::LoadFromStream(TStream& stream) {
    LoadFromImage(ReadBmp(stream));
}

void TBitmap::LoadFromImage(BmpImage image) {
    bmp_ = std::move(image.format);
    surface_ = std::move(image.pixels);
    indexes_ = std::move(image.indexes);
    canvas_.Rebind(surface_);
}

void TBitmap::LoadFromFile(const std::string& path) {
    TFileStream file(path, FileMode::OpenRead);
    LoadFromStream(file);
}

void TBitmap::SaveToStream(TStream& stream) const {
    std::vector<uint8_t> bytes =
        EncodeBmp(bmp_, surface_, Indexed() ? IndexesMatchingPixels() : std::vector<uint8_t>{});
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
}

void TBitmap::SaveToFile(const std::string& path) const {
    TFileStream file(path, FileMode::Create);
    SaveToStream(file);
}

// --- The bitmap's canvas ---------------------------------------------------------------------

BitmapCanvas::BitmapCanvas() = default;

static_assert(std::is_nothrow_move_constructible_v<TBitmap>, "a growing vector of bitmaps moves them");

BitmapCanvas& BitmapCanvas::operator=(const BitmapCanvas&) {
    // The canvas object stays (whoever holds it keeps drawing on this bitmap); its context goes.
    DropContext();
    return *this;
}

BitmapCanvas::~BitmapCanvas() {
    DropContext();
}

void BitmapCanvas::DropContext() {
    if (canvas_)
        canvas_->SetHandle(nullptr);
    if (dc_)
        platform::DeleteDC(dc_);
    dc_ = nullptr;
    bound_ = nullptr;
}

TCanvas& BitmapCanvas::For(platform::Surface& pixels) {
    if (!canvas_)
        canvas_ = std::make_unique<TCanvas>();
    const platform::Size size{pixels.width(), pixels.height()};
    if (!dc_ || bound_ != &pixels || size_ != size)
        Rebind(pixels);
    return *canvas_;
}

void BitmapCanvas::Rebind(platform::Surface& pixels) {
    if (!canvas_)
        return;
    DropContext();
    dc_ = platform::CreateSurfaceDC(&pixels, {0, 0}, nullptr);
    bound_ = &pixels;
    size_ = {pixels.width(), pixels.height()};
    canvas_->SetHandle(dc_);
}

}  // namespace framework
