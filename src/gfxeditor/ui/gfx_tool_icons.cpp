#include "gfxeditor/ui/gfx_tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace quillo {

namespace {

constexpr int kSize = 22;
const QColor kInk(30, 32, 48);
const QColor kBlue(52, 116, 214);
const QColor kRed(220, 44, 44);
const QColor kYellow(250, 200, 60);

void drawIcon(QPainter& p, const QString& name) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (name == "Freehand") {
        QPainterPath path(QPointF(3, 15));
        path.cubicTo(6, 4, 10, 20, 13, 10);
        path.cubicTo(15, 5, 17, 8, 19, 6);
        p.drawPath(path);
    } else if (name == "Brush") {
        p.setBrush(kInk);
        p.drawEllipse(QPointF(11, 11), 6, 6);
    } else if (name == "Line") {
        p.drawLine(QPointF(3, 18), QPointF(19, 4));
    } else if (name == "Attribute") {
        p.fillRect(QRectF(3, 3, 10, 10), kBlue);
        p.fillRect(QRectF(9, 9, 10, 10), kYellow);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(9, 9, 10, 10));
    } else if (name == "Fill") {
        QPolygonF bucket({{4, 9}, {11, 3}, {18, 10}, {11, 17}});
        p.setBrush(QColor(210, 216, 230));
        p.drawPolygon(bucket);
        p.setBrush(kBlue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(18, 16), 2.2, 3.2);
    } else if (name == "Spray") {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        const QPointF dots[] = {{11, 11}, {6, 8}, {15, 6}, {8, 15}, {16, 14}, {11, 4}, {4, 13}, {18, 9}, {12, 18}};
        for (QPointF d : dots) p.drawEllipse(d, 1.1, 1.1);
    } else if (name == "Selection") {
        p.setPen(QPen(kInk, 1.4, Qt::DashLine));
        p.drawRect(QRectF(3.5, 5.5, 15, 11));
    } else if (name == "Box") {
        p.drawRect(QRectF(3.5, 5.5, 15, 11));
    } else if (name == "RoundBox") {
        p.drawRoundedRect(QRectF(3.5, 5.5, 15, 11), 4, 4);
    } else if (name == "Circle") {
        p.drawEllipse(QPointF(11, 11), 7.5, 7.5);
    } else if (name == "ColPick") {
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 17), QPointF(14, 8));
        p.setBrush(kRed);
        p.setPen(QPen(kInk, 1.2));
        p.drawEllipse(QPointF(16, 6), 3, 3);
    } else if (name == "Zoom") {
        p.drawEllipse(QPointF(9, 9), 5.5, 5.5);
        p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13.5, 13.5), QPointF(18.5, 18.5));
    } else if (name == "Text to Brush") {
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(16);
        p.setFont(font);
        p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("A"));
    } else if (name == "Clear") {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 4.5, 15, 13));
        p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 8), QPointF(15, 14));
        p.drawLine(QPointF(15, 8), QPointF(7, 14));
    } else if (name == "Transparency") {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                p.fillRect(QRectF(3 + x * 4, 3 + y * 4, 4, 4), (x + y) % 2 ? QColor(170, 170, 180) : Qt::white);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 3, 16, 16));
    } else if (name == "Undo" || name == "Redo") {
        const bool undo = name == "Undo";
        QPainterPath arc;
        arc.moveTo(undo ? 6 : 16, 9);
        arc.cubicTo(undo ? 10 : 12, 4, undo ? 20 : 2, 6, undo ? 15 : 7, 17);
        p.setPen(QPen(kBlue, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arc);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        const double x = undo ? 6 : 16, dir = undo ? 1 : -1;
        p.drawPolygon(QPolygonF({{x - 3 * dir, 9}, {x + 3 * dir, 4.5}, {x + 3 * dir, 13}}));
    }
}

}  // namespace

QIcon gfxToolIcon(const QString& tooltip) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawIcon(painter, tooltip);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace quillo
