#include "gfxeditor/automask.h"

#include "gfxeditor/drawing.h"

namespace quillo {

// The neighbourhoods, each a superset of the one before:
// - Pixel: a mask bit is set where the bitmap pixel is set (the shape itself);
// - Plus: set where the pixel or one of its 4 neighbours is set (the shape
//   grown by one pixel straight out, for a thin outline);
// - Box3x3: set where any pixel of its 3x3 block is set (grown by one pixel
//   in all 8 directions, corners included).
// Neighbours outside the area or the picture count as clear, so a scan of a
// part never reaches into what lies around it.
void buildAutomask(Picture& picture, AutomaskScan scan, PixelRect area) {
    area = clipToPicture(area.empty() ? picture.bounds() : area, picture);
    if (area.empty()) return;
    const auto inkAt = [&](int x, int y) {
        return x >= area.x && y >= area.y && x < area.x + area.width && y < area.y + area.height &&
               picture.pixel(x, y);
    };
    const auto covered = [&](int x, int y) {
        switch (scan) {
        case AutomaskScan::Pixel:
            return inkAt(x, y);
        case AutomaskScan::Plus:
            return inkAt(x, y) || inkAt(x - 1, y) || inkAt(x + 1, y) || inkAt(x, y - 1) || inkAt(x, y + 1);
        case AutomaskScan::Box3x3:
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (inkAt(x + dx, y + dy)) return true;
            return false;
        }
        return false;
    };
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x) plotMask(picture, x, y, covered(x, y));
}

}  // namespace quillo
