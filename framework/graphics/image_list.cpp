#include "framework/graphics/image_list.h"

#include <algorithm>
#include <span>

#include "platform/gfx/dc.h"

namespace framework {

using namespace platform;

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetSize(int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    images_.clear();
    Changed();
}

int TImageList::Add(const Surface& picture, std::optional<COLORREF> transparent) {
    Surface pixels(width_, height_);
    if (pixels.isEmpty()) return -1;
    const int32_t w = std::min(width_, picture.width()), h = std::min(height_, picture.height());
    for (int32_t y = 0; y < h; ++y) std::copy_n(picture.row(y), w, pixels.row(y));
    images_.push_back({std::move(pixels), transparent});
    Changed();
    return int(images_.size()) - 1;
}

int TImageList::AddMasked(const Surface& picture) {
    if (picture.isEmpty()) return Add(picture);
    return Add(picture, ColorFromPixel(picture.pixel(0, picture.height() - 1)));
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    images_.erase(images_.begin() + index);
    Changed();
}

void TImageList::Clear() {
    if (images_.empty()) return;
    images_.clear();
    Changed();
}

void TImageList::Draw(HDC dc, int32_t x, int32_t y, int index, bool enabled) const {
    if (!dc || index < 0 || index >= Count()) return;
    const Image& image = images_[size_t(index)];
    Surface pixels = image.pixels;
    if (!enabled) {
        // The disabled look: every drawn pixel in a grey of its own lightness, paled.
        for (int32_t row = 0; row < pixels.height(); ++row) {
            for (uint32_t& p : std::span(pixels.row(row), size_t(pixels.width()))) {
                const COLORREF c = ColorFromPixel(p);
                if (image.transparent && c == *image.transparent) continue;
                const int grey = (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10;
                const uint8_t pale = uint8_t(128 + grey / 2);
                p = PackBGRA(pale, pale, pale, uint8_t(p >> 24));
            }
        }
    }
    HDC source = CreateSurfaceDC(&pixels, {0, 0}, nullptr);
    if (!source) return;
    if (image.transparent)
        TransparentBlt(dc, x, y, width_, height_, source, 0, 0, width_, height_, *image.transparent);
    else
        BitBlt(dc, x, y, width_, height_, source, 0, 0, SRCCOPY);
    DeleteDC(source);
}

void TImageList::Draw(TCanvas& canvas, int32_t x, int32_t y, int index, bool enabled) const {
    Draw(canvas.Handle(), x, y, index, enabled);
}

int TImageList::AddChangeListener(std::function<void()> listener) {
    listeners_[nextListener_] = std::move(listener);
    return nextListener_++;
}

void TImageList::RemoveChangeListener(int id) { listeners_.erase(id); }

void TImageList::Changed() {
    // A copy: a listener may remove itself.
    auto listeners = listeners_;
    for (auto& [id, listener] : listeners)
        if (listeners_.count(id)) listener();
}

}  // namespace framework
