#include "pipeline/ui/memory_map_window.h"

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

QString text(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

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
        QLabel* l = label(this, text(kMemoryMapRowLabels[static_cast<std::size_t>(row)]), kMargin,
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
        QLabel* name = label(this, text(kRegionTypes[static_cast<std::size_t>(type)].legend), kLegendX + kSwatch + 6,
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
    const std::vector<std::uint32_t> pixels = memoryMapPicture(map_);
    picture_ = QImage(kMemoryMapSide, kMemoryMapSide, QImage::Format_RGB32);
    for (int y = 0; y < kMemoryMapSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        for (int x = 0; x < kMemoryMapSide; ++x)
            line[x] = 0xFF000000u | pixels[static_cast<std::size_t>(y) * kMemoryMapSide + static_cast<std::size_t>(x)];
    }
    picture_ = picture_.convertToFormat(QImage::Format_RGB888);
    pictureLabel_->setPixmap(QPixmap::fromImage(picture_));
}

void showMemoryMap(QWidget* parent, const RegionMap& map) {
    MemoryMapWindow window(map, parent);
    window.exec();
}

}  // namespace quillo
