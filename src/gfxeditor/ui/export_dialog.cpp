#include "gfxeditor/ui/export_dialog.h"

#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "gfxeditor/gfx_session.h"
#include "gfxeditor/picture_export.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quillo {

void exportSelectionToClipboard(QWidget* parent, GfxSession& session, PixelRect selection) {
    const PixelRect area = clipToPicture(selection, session.picture);
    QDialog dialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QStringLiteral("Export"));
    dialog.resize(400, 100);
    auto* grid = new QGridLayout(&dialog);
    auto* format = new QComboBox(&dialog);
    format->setObjectName(QStringLiteral("exportFormat"));
    format->addItems({QStringLiteral("Progressive"), QStringLiteral("Columns"), QStringLiteral("Char")});
    format->setCurrentIndex(static_cast<int>(session.exportOrder));
    auto* attributes = new QCheckBox(QStringLiteral("Include Attribute"), &dialog);
    attributes->setObjectName(QStringLiteral("exportAttributes"));
    auto* mask = new QComboBox(&dialog);
    mask->setObjectName(QStringLiteral("exportMask"));
    mask->addItems({QStringLiteral("None"), QStringLiteral("Interleaved Mask before Data")});
    auto* information = new QListWidget(&dialog);
    information->setObjectName(QStringLiteral("exportInformation"));
    for (const std::string& line : frameInformation(area)) information->addItem(toQ(line));
    // Wide enough for its longest line: the figures are what the list is for.
    information->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    information->setMinimumWidth(information->sizeHintForColumn(0) + 2 * information->frameWidth() + 8);
    auto* run = new QPushButton(QStringLiteral("ASM -> Clipboard"), &dialog);
    grid->addWidget(new QLabel(QStringLiteral("Format"), &dialog), 0, 0);
    grid->addWidget(format, 0, 1);
    grid->addWidget(attributes, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Mask"), &dialog), 2, 0);
    grid->addWidget(mask, 2, 1);
    grid->addWidget(information, 0, 2, 4, 1);
    grid->addWidget(run, 3, 0, 1, 2);
    QObject::connect(run, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted) return;

    session.exportOrder = static_cast<ExportOrder>(format->currentIndex());
    const ExportChoice choice{session.exportOrder, attributes->isChecked(),
                              static_cast<ExportMask>(mask->currentIndex())};
    const std::string text = exportText(session.picture, area, choice);
    if (text.empty()) return;
    QGuiApplication::clipboard()->setText(toQ(text));
    showMessage(parent, QStringLiteral("Done"), QStringLiteral("Data copied into Clipboard"));
}

}  // namespace quillo
