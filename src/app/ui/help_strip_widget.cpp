#include "app/ui/help_strip_widget.h"

#include <QPainter>
#include <QResizeEvent>

namespace quillo {

HelpStrip::HelpStrip(QWidget* parent) : QWidget(parent) {
    setFixedHeight(8);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void HelpStrip::setImage(const QImage& image) {
    image_ = image;
    update();
}

void HelpStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!image_.isNull()) painter.drawImage(0, 0, image_);
}

void HelpStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->oldSize().width() / 8 != event->size().width() / 8) emit widthChanged(cellWidth());
}

}  // namespace quillo
