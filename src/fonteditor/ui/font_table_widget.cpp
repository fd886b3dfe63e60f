#include "fonteditor/ui/font_table_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillo {

namespace {

QColor markerColour(std::uint8_t flag) {
    const bool selected = flag & kCharFlagSelected;
    const bool locked = flag & kCharFlagProtected;
    if (selected && locked) return Qt::magenta;
    if (selected) return Qt::blue;
    if (locked) return Qt::red;
    return QColor(224, 224, 224);
}

}  // namespace

FontTableWidget::FontTableWidget(WorkingFont& font, std::function<int()> current, QWidget* parent)
    : QWidget(parent), font_(font), current_(std::move(current)) {
    setFixedSize(16 * kCell, 16 * kRowHeight);
    setMouseTracking(false);
}

void FontTableWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const CharSpan range = font_.range();
    const int current = current_();
    for (int code = 0; code < 256; ++code) {
        const QPoint at = cellOrigin(code);
        QColor ground = Qt::white;
        if (code == current) ground = Qt::yellow;
        else if (code >= range.first && code <= range.last) ground = Qt::cyan;
        p.fillRect(QRect(at, QSize(kCell, kCell)), ground);
        const std::uint8_t* rows = font_.glyphAt(code);
        p.setPen(Qt::black);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (rows[y] & (0x80 >> x)) p.drawPoint(at.x() + x, at.y() + y);
        p.fillRect(QRect(at.x(), at.y() + kCell, kCell, 2), markerColour(font_.flags[code]));
    }
}

int FontTableWidget::codeAt(QPoint pos) const {
    if (!rect().contains(pos)) return -1;
    return (pos.y() / kRowHeight) * 16 + pos.x() / kCell;
}

void FontTableWidget::mousePressEvent(QMouseEvent* event) {
    const int code = codeAt(event->position().toPoint());
    if (code < 0) return;
    if (event->button() == Qt::LeftButton) {
        emit currentChosen(code);
    } else if (event->button() == Qt::RightButton) {
        if (event->modifiers() & Qt::ShiftModifier) {
            protectOnRelease_ = code;
            return;
        }
        font_.flags[code] ^= kCharFlagSelected;
        emit flagsChanged();
    }
}

void FontTableWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const int code = codeAt(event->position().toPoint());
    if (code >= 0 && code != current_()) emit currentChosen(code);
}

void FontTableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton || protectOnRelease_ < 0) return;
    font_.flags[protectOnRelease_] ^= kCharFlagProtected;
    protectOnRelease_ = -1;
    emit flagsChanged();
}

FontGridWidget::FontGridWidget(WorkingFont& font, std::function<int()> current, QWidget* parent)
    : QWidget(parent), font_(font), current_(std::move(current)) {
    setFixedSize(8 * kZoom + 1, 8 * kZoom + 1);
}

void FontGridWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const std::uint8_t* rows = font_.glyphAt(current_());
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (rows[y] & (0x80 >> x)) p.fillRect(x * kZoom, y * kZoom, kZoom, kZoom, Qt::black);
    p.setPen(QColor(160, 160, 160));
    for (int i = 0; i <= 8; ++i) {
        p.drawLine(i * kZoom, 0, i * kZoom, 8 * kZoom);
        p.drawLine(0, i * kZoom, 8 * kZoom, i * kZoom);
    }
}

void FontGridWidget::mousePressEvent(QMouseEvent* event) {
    if (font_.isProtected(current_())) return;
    emit strokeStarted();
    paintAt(event->position().toPoint(), event->buttons(), true);
}

void FontGridWidget::mouseMoveEvent(QMouseEvent* event) {
    if (font_.isProtected(current_())) return;
    paintAt(event->position().toPoint(), event->buttons(), false);
}

void FontGridWidget::paintAt(QPoint pos, Qt::MouseButtons buttons, bool pressed) {
    const int x = pos.x() / kZoom;
    const int y = pos.y() / kZoom;
    if (pos.x() < 0 || pos.y() < 0 || x > 7 || y > 7) return;
    std::uint8_t& row = font_.glyphAt(current_())[y];
    const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> x);
    const std::uint8_t before = row;
    if (buttons & Qt::LeftButton) row |= bit;
    else if (buttons & Qt::RightButton) row &= static_cast<std::uint8_t>(~bit);
    else if ((buttons & Qt::MiddleButton) && pressed) row ^= bit;  // once per press
    if (row != before) {
        update();
        emit pixelsChanged();
    }
}

}  // namespace quillo
