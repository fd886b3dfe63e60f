#include "pipeline/ui/memory_map_window.h"

#include "common/ui/qt_text.h"

#include "common/ui/pixel_image.h"

#include "pipeline/memory_map.h"

#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace quillo {

namespace {

constexpr int kMargin = 10;
constexpr int kLabelWidth = 110;
constexpr int kPictureX = kMargin + kLabelWidth + 8;
constexpr int kLegendX = kPictureX + kMemoryMapSide + 16;
constexpr int kSwatch = 16;

QLabel* label(QWidget* parent, const QString& caption, int x, int y, int width, int height) {
    auto* l = new QLabel(caption, parent);
    l->setGeometry(x, y, width, height);
    l->setTextInteractionFlags(Qt::NoTextInteraction);
    return l;
}

QColor rgb(std::uint32_t colour) { return QColor::fromRgb(static_cast<QRgb>(colour)); }

}  // namespace

MemoryMapWindow::MemoryMapWindow(const RegionMap& map, QWidget* parent) : QDialog(parent), map_(map) {
    setWindowTitle(QStringLiteral("Memory Map"));
    setFixedSize(790, 550);

    for (int row = 0; row < kMemoryMapRows; ++row) {
        QLabel* l = label(this, toQ(kMemoryMapRowLabels[static_cast<std::size_t>(row)]), kMargin,
                          kMargin + row * kMemoryMapRowPitch, kLabelWidth, kMemoryMapRowHeight);
        l->setObjectName(QStringLiteral("rowLabel%1").arg(row));
    }
    pictureLabel_ = label(this, {}, kPictureX, kMargin, kMemoryMapSide, kMemoryMapSide);
    pictureLabel_->setObjectName(QStringLiteral("picture"));

    label(this, QStringLiteral("Legend:"), kLegendX, kMargin, 120, 18)->setObjectName(QStringLiteral("legendTitle"));
    for (int type = 0; type < kRegionTypeCount; ++type) {
        const int y = kMargin + 20 + type * 20;
        QPixmap swatch(kSwatch, kSwatch);
        swatch.fill(rgb(legendColour(static_cast<RegionType>(type))));
        QLabel* box = label(this, {}, kLegendX, y, kSwatch, kSwatch);
        box->setPixmap(swatch);
        box->setObjectName(QStringLiteral("swatch%1").arg(type));
        QLabel* name = label(this, toQ(kRegionTypes[static_cast<std::size_t>(type)].legend), kLegendX + kSwatch + 6,
                             y, 120, kSwatch);
        name->setObjectName(QStringLiteral("legend%1").arg(type));
    }
    refresh();

    if (parent) {
        move(parent->window()->frameGeometry().center() - rect().center());
    } else if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void MemoryMapWindow::refresh() {
    picture_ = toImage(memoryMapPicture(map_)).convertToFormat(QImage::Format_RGB888);
    pictureLabel_->setPixmap(QPixmap::fromImage(picture_));
}

void showMemoryMap(QWidget* parent, const RegionMap& map) {
    MemoryMapWindow window(map, parent);
    window.exec();
}

}  // namespace quillo
