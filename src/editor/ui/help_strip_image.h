#pragma once
#include "common/charset.h"

#include <QImage>

#include <string>

namespace quillo {

// The help line as the strip along the bottom of the main window shows it:
// Spectrum characters, yellow ink on black paper, 8 pixels high. The text is
// padded with blanks to widthPx / 8 - 1 characters.
QImage renderHelpStrip(const std::string& text, int widthPx, const Charset& charset);

}  // namespace quillo
