#include "gfxeditor/picture.h"

#include "common/attribute.h"

#include <algorithm>

namespace quillo {

const Palette kDisplayPalette = {
    0x040204, 0x040284, 0xDC0204, 0xE402B4, 0x04D204, 0x04D2D4, 0xCCCE04, 0xCCC6CC,
    0x040204, 0x0402AC, 0xEC0204, 0xFC02DC, 0x04EE04, 0x04FAFC, 0xFCFE04, 0xFCFAFC,
};

const std::array<std::uint32_t, 8> kPureColours = {
    0x000000, 0x0000FF, 0xFF0000, 0xFF00FF, 0x00FF00, 0x00FFFF, 0xFFFF00, 0xFFFFFF,
};

PictureLayout PictureLayout::forCells(int width, int height) {
    const std::int32_t cells = width * height;
    PictureLayout l;
    l.bitmapAndAttributeSize = 9 * cells;
    l.maskSize = 8 * cells;
    l.bitmapOffset = 0;
    l.maskOffset = 9 * cells;
    l.attributeOffset = 8 * cells;
    l.attributeSize = cells;
    l.totalSize = 17 * cells;
    l.maskSizeTimes32 = l.maskSize * 32;
    return l;
}

Picture::Picture() : block_(kPictureBlockSize, 0) { recreate(kScreenColumns, kScreenRows, attribute::kDefault); }

bool Picture::recreate(int widthCells, int heightCells, std::uint8_t attribute) {
    if (!fits(widthCells, heightCells)) return false;
    width_ = widthCells;
    height_ = heightCells;
    layout_ = PictureLayout::forCells(widthCells, heightCells);
    std::fill(block_.begin(), block_.end(), std::uint8_t{0});
    std::fill_n(attributes(), layout_.attributeSize, attribute);
    return true;
}

PixelRect clipToPicture(PixelRect rect, const Picture& picture) {
    if (rect.width < 0) rect = {rect.x + rect.width, rect.y, -rect.width, rect.height};
    if (rect.height < 0) rect = {rect.x, rect.y + rect.height, rect.width, -rect.height};
    const int left = std::max(rect.x, 0);
    const int top = std::max(rect.y, 0);
    const int right = std::min(rect.x + rect.width, picture.pixelWidth());
    const int bottom = std::min(rect.y + rect.height, picture.pixelHeight());
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

}  // namespace quillo
