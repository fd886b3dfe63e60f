#include "gfxeditor/ui/defb_commands.h"

#include "common/defb_parse.h"
#include "editor/structure_commands.h"
#include "editor/ui/source_editor.h"
#include "gfxeditor/defb_graphics.h"
#include "gfxeditor/gfx_session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>

#include <cstdint>

namespace quillo {

namespace {

using Sci = QsciScintillaBase;

std::string selectedText(SourceEditor& editor) {
    return textRange(editor, static_cast<long>(editor.send(Sci::SCI_GETSELECTIONSTART)),
                     static_cast<long>(editor.send(Sci::SCI_GETSELECTIONEND)));
}

QComboBox* orderList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems({QStringLiteral("Progressive"), QStringLiteral("Characters"), QStringLiteral("Columns")});
    return list;
}

QSpinBox* spin(QWidget* parent, const QString& name, int maximum, int initial = 1) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, maximum);
    box->setValue(initial);
    return box;
}

// What the two graphics dialogs answer with "OK".
struct GraphicsChoice {
    GraphicsOrder from = GraphicsOrder::Progressive;
    GraphicsOrder to = GraphicsOrder::Progressive;
    int width = 1;
    int height = 1;
    bool attributes = false;
};

// "DEFB to GFX Data" asks for attributes, "Reorder GFX Data" for a destination order.
bool askGraphics(QWidget* window, const QString& title, bool reorder, GraphicsChoice& choice) {
    QDialog dialog(window, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(title);
    dialog.resize(490, 200);
    auto* form = new QFormLayout(&dialog);
    QComboBox* from = orderList(&dialog, QStringLiteral("sourceType"));
    form->addRow(QStringLiteral("Source Type:"), from);
    QComboBox* to = nullptr;
    if (reorder) {
        to = orderList(&dialog, QStringLiteral("destinationType"));
        form->addRow(QStringLiteral("Destination Type:"), to);
    }
    auto* system = new QComboBox(&dialog);
    system->addItem(QStringLiteral("ZX Spectrum Bitmap"));
    if (!reorder) form->addRow(QStringLiteral("GFX system:"), system);
    QSpinBox* width = spin(&dialog, QStringLiteral("gfxWidth"), 32);
    QSpinBox* height = spin(&dialog, QStringLiteral("gfxHeight"), 24);
    form->addRow(QStringLiteral("GFX width (chars):"), width);
    form->addRow(QStringLiteral("GFX height (chars):"), height);
    if (reorder) form->addRow(QStringLiteral("GFX system:"), system);
    QCheckBox* attributes = nullptr;
    if (!reorder) {
        attributes = new QCheckBox(QStringLiteral("Get Attributes"), &dialog);
        attributes->setObjectName(QStringLiteral("getAttributes"));
        form->addRow(attributes);
    }
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    form->addRow(buttons);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice.from = static_cast<GraphicsOrder>(from->currentIndex());
    if (to) choice.to = static_cast<GraphicsOrder>(to->currentIndex());
    choice.width = width->value();
    choice.height = height->value();
    choice.attributes = attributes && attributes->isChecked();
    return true;
}

void convertToGraphics(SourceEditor& editor, QWidget* window, GfxSession& session) {
    const std::string selection = selectedText(editor);
    if (selection.empty()) return;
    GraphicsChoice choice;
    if (!askGraphics(window, QStringLiteral("DEFB to GFX Data"), false, choice)) return;
    const int oldWidth = session.picture.width(), oldHeight = session.picture.height();
    defbToPicture(parseDefb(selection), choice.from, choice.width, choice.height, choice.attributes,
                  session.picture);
    session.pictureReplaced(oldWidth, oldHeight);
}

void reorderGraphics(SourceEditor& editor, QWidget* window) {
    const std::string selection = selectedText(editor);
    if (selection.empty()) return;
    GraphicsChoice choice;
    if (!askGraphics(window, QStringLiteral("Reorder GFX Data"), true, choice)) return;
    const std::string text = reorderDefbText(selection, choice.from, choice.to, choice.width, choice.height);
    editor.send(Sci::SCI_REPLACESEL, 0, reinterpret_cast<std::intptr_t>(text.c_str()));
}

void createBuffer(SourceEditor& editor, QWidget* window) {
    // Stays in front of the main window while open, as a tool window does.
    QDialog dialog(window, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    dialog.setWindowTitle(QStringLiteral("DEFB Buffer creator"));
    dialog.resize(256, 100);
    auto* form = new QFormLayout(&dialog);
    QSpinBox* width = spin(&dialog, QStringLiteral("bufferWidth"), 1024);
    QSpinBox* height = spin(&dialog, QStringLiteral("bufferHeight"), 1024);
    form->addRow(QStringLiteral("Buffer width (Bytes):"), width);
    form->addRow(QStringLiteral("Buffer height:"), height);
    auto* ok = new QPushButton(QStringLiteral("O.K."), &dialog);
    form->addRow(ok);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string text = defbBufferText(width->value(), height->value());
    editor.send(Sci::SCI_INSERTTEXT, static_cast<std::uintptr_t>(-1), reinterpret_cast<std::intptr_t>(text.c_str()));
}

}  // namespace

void registerGfxDefbCommands(CommandRegistry& registry, std::function<SourceEditor*()> currentEditor,
                             QWidget* window, GfxSession& session) {
    registry.add(Command::ConvGraphics, [currentEditor, window, &session] {
        if (SourceEditor* editor = currentEditor()) convertToGraphics(*editor, window, session);
    });
    registry.add(Command::ReorderGraphics, [currentEditor, window] {
        if (SourceEditor* editor = currentEditor()) reorderGraphics(*editor, window);
    });
    registry.add(Command::CreateDefbBuffer, [currentEditor, window] {
        if (SourceEditor* editor = currentEditor()) createBuffer(*editor, window);
    });
}

}  // namespace quillo
