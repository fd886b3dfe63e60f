#pragma once
#include <QString>

namespace quillo {

// The family the editor draws a style font with: the one asked for when it
// is installed (or is an alias of a fixed-width font), else the desktop's
// fixed-width font, so a missing font never falls back to a proportional
// one. The settings keep the name as set.
QString displayFontFamily(const QString& wanted);

}  // namespace quillo
