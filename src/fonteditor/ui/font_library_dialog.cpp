#include "fonteditor/ui/font_library_dialog.h"

#include "common/ui/qt_text.h"
#include "fonteditor/font_library.h"
#include "fonteditor/standard_shapes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillo {

QImage libraryPreview(int index) {
    WorkingFont font;
    loadLibraryFont(font, static_cast<std::size_t>(index));
    QImage image(128, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int code = 32; code <= 127; ++code) {
        const int cx = ((code - 32) % 16) * 8;
        const int cy = ((code - 32) / 16) * 8;
        const std::uint8_t* rows = font.glyphAt(code);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (rows[y] & (0x80 >> x)) image.setPixel(cx + x, cy + y, qRgb(0, 0, 0));
    }
    return image;
}

FontLibraryDialog::FontLibraryDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Internal fonts selection"));
    previewLabel_ = new QLabel(this);
    previewLabel_->setObjectName(QStringLiteral("libraryPreview"));
    previewLabel_->setFixedSize(128, 48);
    names_ = new QComboBox(this);
    names_->setMinimumWidth(240);  // room for the longest names and the title
    for (std::size_t i = 0; i < kFontLibraryCount; ++i) names_->addItem(toQ(fontLibraryEntry(i).name));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* ok = new QPushButton(QStringLiteral("O.K."), this);
    ok->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(previewLabel_, 0, Qt::AlignHCenter);
    layout->addWidget(names_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(names_, &QComboBox::currentIndexChanged, this, &FontLibraryDialog::showPreview);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        reject();
    });
    showPreview();
}

int FontLibraryDialog::index() const { return names_->currentIndex(); }

void FontLibraryDialog::showPreview() {
    preview_ = libraryPreview(std::max(0, names_->currentIndex()));
    previewLabel_->setPixmap(QPixmap::fromImage(preview_));
}

}  // namespace quillo
