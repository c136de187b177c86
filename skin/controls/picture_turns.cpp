#include "skin/controls/picture_turns.h"

#include <algorithm>

namespace skin {

Picture TurnedCounterClockwise(const Picture& picture) {
    const int32_t w = picture.width(), h = picture.height();
    Picture turned(h, w);
    // Source (x, y) goes to (y, w - 1 - x).
    for (int32_t y = 0; y < h; ++y) {
        const uint32_t* in = picture.row(y);
        for (int32_t x = 0; x < w; ++x) turned.row(w - 1 - x)[y] = in[x];
    }
    return turned;
}

Picture TurnedClockwise(const Picture& picture) {
    const int32_t w = picture.width(), h = picture.height();
    Picture turned(h, w);
    // Source (x, y) goes to (h - 1 - y, x).
    for (int32_t y = 0; y < h; ++y) {
        const uint32_t* in = picture.row(y);
        for (int32_t x = 0; x < w; ++x) turned.row(x)[h - 1 - y] = in[x];
    }
    return turned;
}

void FlipUpsideDown(Picture& picture) {
    for (int32_t top = 0, bottom = picture.height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(picture.row(top), picture.row(top) + picture.width(), picture.row(bottom));
}

}  // namespace skin
