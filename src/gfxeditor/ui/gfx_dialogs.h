#pragma once
// The graphics editor's small dialogs.
#include "gfxeditor/drawing.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QWidget;

namespace quillo {

class Picture;

// "Graphics settings": informative only.
void showGraphicsSettings(QWidget* parent, const Picture& picture);

// "Line Options": the pattern as binary digits; closing the dialog in any
// way converts the field's text into the returned pattern.
std::uint32_t runLineOptions(QWidget* parent, std::uint32_t pattern);

// "Brushes" / "Textures": a row of picture buttons; the index chosen.
std::optional<int> choosePattern(QWidget* parent, const QString& title, const std::vector<QImage>& pictures);
QImage brushPicture(const Brush& brush);
QImage texturePicture(const Texture& texture);

// "Text input": the text drawn in the chosen font becomes the brush.
std::optional<Brush> runTextInput(QWidget* parent);

}  // namespace quillo
