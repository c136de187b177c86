// An image list: images of one size (Width x Height), each with the colour that stays transparent
// when it is drawn, drawn in their own colours or in the disabled look (grey). Whoever shows a
// list's images can listen to its changes (the tab control widens its tabs when the size changes).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/graphics/canvas.h"
#include "platform/gfx/surface.h"

namespace framework {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    static PersistentClass Published();

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    // A new size drops every image, as images of the old size no longer fit.
    void SetWidth(int32_t width) { SetSize(width, height_); }
    void SetHeight(int32_t height) { SetSize(width_, height); }
    void SetSize(int32_t width, int32_t height);
    int Count() const { return int(images_.size()); }

    // Adds the picture, cut or padded to the list's size; returns its index (-1 when the list has
    // no size). With `transparent`, pixels of that colour are not drawn.
    int Add(const platform::Surface& picture, std::optional<platform::COLORREF> transparent = std::nullopt);
    // The same, with the colour of the picture's bottom-left pixel transparent.
    int AddMasked(const platform::Surface& picture);
    void Delete(int index);
    void Clear();

    // Draws image `index` with its top-left at (x, y); nothing for an index that is no image.
    void Draw(platform::HDC dc, int32_t x, int32_t y, int index, bool enabled = true) const;
    void Draw(TCanvas& canvas, int32_t x, int32_t y, int index, bool enabled = true) const;

    // Called after every change of size or images, until removed.
    int AddChangeListener(std::function<void()> listener);
    void RemoveChangeListener(int id);

private:
    struct Image {
        platform::Surface pixels;
        std::optional<platform::COLORREF> transparent;
    };
    void Changed();

    int32_t width_ = 16;
    int32_t height_ = 16;
    std::vector<Image> images_;
    std::map<int, std::function<void()>> listeners_;
    int nextListener_ = 1;
};

}  // namespace framework
