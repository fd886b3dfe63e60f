#include "gfxeditor/ui/gfx_dialogs.h"

#include "common/ui/qt_text.h"
#include "gfxeditor/picture.h"
#include "gfxeditor/text_brush.h"

#include <QComboBox>
#include <QDialog>
#include <QFontDialog>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillo {

void showGraphicsSettings(QWidget* parent, const Picture& picture) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Graphics settings"));
    dialog.resize(400, 200);
    auto* form = new QFormLayout(&dialog);
    auto* project = new QListWidget(&dialog);
    project->addItem(toQ(picture.name));
    project->setMaximumHeight(48);
    form->addRow(QStringLiteral("Project:"), project);
    form->addRow(QStringLiteral("Filename:"), new QLabel(toQ(picture.fileName), &dialog));
    auto* type = new QComboBox(&dialog);
    type->addItems({QStringLiteral("Screen or GFX Block"), QStringLiteral("Tile sheet"),
                    QStringLiteral("Sprite Sheet w/o mask"), QStringLiteral("Sprite Sheet with mask")});
    type->setCurrentIndex(3);
    form->addRow(QStringLiteral("Type:"), type);
    auto* mode = new QComboBox(&dialog);
    mode->addItem(QStringLiteral("ZX Spectrum standard 8x8 Attribute"));
    form->addRow(QStringLiteral("Mode:"), mode);
    dialog.exec();
}

std::uint32_t runLineOptions(QWidget* parent, std::uint32_t pattern) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Line Options"));
    dialog.resize(400, 200);
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new QLineEdit(QString::number(pattern, 2).rightJustified(32, QLatin1Char('0')), &dialog);
    field->setObjectName(QStringLiteral("linePattern"));
    const auto colour = [field](const QString& text) {
        field->setStyleSheet(isFullLinePattern(text.toStdString()) ? QStringLiteral("color: green")
                                                                   : QStringLiteral("color: red"));
    };
    QObject::connect(field, &QLineEdit::textChanged, &dialog, colour);
    colour(field->text());
    layout->addWidget(field);
    layout->addWidget(new QLabel(QStringLiteral("Line"), &dialog));
    auto* presets = new QListWidget(&dialog);
    const std::pair<const char*, const char*> kPresets[] = {
        {"Full Line 11111111", "11111111111111111111111111111111"},
        {"Dotted Line 10101010", "10101010101010101010101010101010"},
        {"Hidden Line 11101110", "11101110111011101110111011101110"},
        {"Symmetric Axis 11111010", "11111010111110101111101011111010"},
    };
    for (const auto& [name, text] : kPresets) {
        auto* item = new QListWidgetItem(QString::fromLatin1(name), presets);
        item->setData(Qt::UserRole, QString::fromLatin1(text));
    }
    QObject::connect(presets, &QListWidget::currentItemChanged, &dialog, [field](QListWidgetItem* item) {
        if (item) field->setText(item->data(Qt::UserRole).toString());
    });
    layout->addWidget(presets);
    dialog.exec();
    return parseLinePattern(field->text().toStdString());
}

QImage brushPicture(const Brush& brush) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < std::min(16, brush.pixelHeight()); ++i)
        for (int j = 0; j < std::min(16, brush.pixelWidth()); ++j)
            if (brush.pixel(j, i)) image.setPixel(j, i, 0xFF000000);
    return image;
}

QImage texturePicture(const Texture& texture) {
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) image.setPixel(x, y, texture.pixel(x, y) ? 0xFF000000 : 0xFFFFFFFF);
    return image;
}

std::optional<int> choosePattern(QWidget* parent, const QString& title, const std::vector<QImage>& pictures) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* row = new QHBoxLayout(&dialog);
    row->setSpacing(2);
    row->setContentsMargins(4, 4, 4, 4);
    std::optional<int> chosen;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        auto* button = new QToolButton(&dialog);
        button->setIcon(QIcon(QPixmap::fromImage(pictures[i])));
        button->setIconSize({16, 16});
        button->setToolTip(QString::number(i + 1));
        QObject::connect(button, &QToolButton::clicked, &dialog, [&dialog, &chosen, i] {
            chosen = static_cast<int>(i);
            dialog.accept();
        });
        row->addWidget(button);
    }
    dialog.setMinimumWidth(640);
    dialog.setMinimumHeight(40);
    dialog.exec();
    return chosen;
}

std::optional<Brush> runTextInput(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Text input"));
    dialog.resize(400, 200);
    QFont font = dialog.font();
    font.setPixelSize(16);
    auto* layout = new QVBoxLayout(&dialog);
    auto* setFont = new QPushButton(QStringLiteral("Set Font"), &dialog);
    setFont->setAutoDefault(false);
    auto* text = new QPlainTextEdit(&dialog);
    text->setObjectName(QStringLiteral("brushText"));
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setAutoDefault(false);
    QObject::connect(setFont, &QPushButton::clicked, &dialog, [&] {
        bool chosen = false;
        const QFont picked = QFontDialog::getFont(&chosen, font, &dialog);
        if (chosen) font = picked;
    });
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(setFont, 0, Qt::AlignLeft);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    if (dialog.exec() != QDialog::Accepted || text->toPlainText().isEmpty()) return std::nullopt;

    // Hard-edged glyphs: every pixel that is not black becomes a brush pixel.
    font.setStyleStrategy(QFont::NoAntialias);
    const QRect bounds = QFontMetrics(font).boundingRect(QRect(0, 0, 4096, 4096), Qt::AlignLeft | Qt::AlignTop,
                                                         text->toPlainText());
    const int width = std::min(bounds.width(), 255 * 8), height = std::min(bounds.height(), 192);
    if (width <= 0 || height <= 0) return std::nullopt;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, width, height), Qt::AlignLeft | Qt::AlignTop, text->toPlainText());
    painter.end();
    PixelBuffer pixels(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.at(x, y) = image.pixel(x, y) & 0xFFFFFF;
    return brushFromPixels(pixels);
}

}  // namespace quillo
