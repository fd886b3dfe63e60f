#pragma once
#include <QColor>

namespace quillo {

// A Windows colour value 0x00BBGGRR, as the settings store colours, as a QColor.
inline QColor colourFromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace quillo
