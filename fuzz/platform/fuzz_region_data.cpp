// Region data blocks (a header and rectangles, as the mask code builds them) given to
// ExtCreateRegion: any bytes give a region or none, never a read past the block.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gfx/region.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace platform;
    // An exact-size copy, so that the sanitizer sees any read beyond the claimed size.
    std::vector<uint8_t> block(data, data + size);
    HRGN region = ExtCreateRegion(nullptr, uint32_t(block.size()), block.data());
    if (!region)
        return 0;
    Rect box;
    GetRgnBox(region, &box);
    PtInRegion(region, box.Left, box.Top);
    HRGN other = CreateRectRgn(box.Left, box.Top, box.Left + box.width() / 2, box.Bottom);
    CombineRgn(region, region, other, RGN_XOR);
    OffsetRgn(region, box.width(), -box.height());
    DeleteObject(other);
    DeleteObject(region);
    return 0;
}
