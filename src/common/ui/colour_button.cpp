#include "common/ui/colour_button.h"

#include "common/ui/colour.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace quillo {

int bgrFromColour(const QColor& colour) { return (colour.blue() << 16) | (colour.green() << 8) | colour.red(); }

ColourButton::ColourButton(QWidget* parent) : QToolButton(parent) {
    setIconSize(QSize(36, 14));
    setColour(0);
    connect(this, &QToolButton::clicked, this, &ColourButton::choose);
}

void ColourButton::setColour(int bgr) {
    bgr_ = bgr;
    QPixmap swatch(iconSize());
    swatch.fill(colourFromBgr(bgr));
    QPainter frame(&swatch);
    frame.setPen(palette().color(QPalette::WindowText));
    frame.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    frame.end();
    setIcon(QIcon(swatch));
}

void ColourButton::choose() {
    const QColor chosen = QColorDialog::getColor(colourFromBgr(bgr_), this, toolTip());
    if (!chosen.isValid()) return;
    setColour(bgrFromColour(chosen));
    emit colourChosen(bgr_);
}

}  // namespace quillo
