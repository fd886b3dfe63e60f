#pragma once
#include "common/pixel_buffer.h"

#include <QImage>

namespace quillo {

// The pixel buffer as an opaque image of the same size.
inline QImage toImage(const PixelBuffer& buffer) {
    QImage image(buffer.width, buffer.height, QImage::Format_RGB32);
    for (int y = 0; y < buffer.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < buffer.width; ++x) line[x] = 0xFF000000u | buffer.at(x, y);
    }
    return image;
}

}  // namespace quillo
