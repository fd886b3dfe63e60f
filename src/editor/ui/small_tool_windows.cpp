#include "editor/ui/small_tool_windows.h"

#include "common/ui/qt_text.h"
#include "editor/small_tools.h"
#include "editor/ui/source_editor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillo {

namespace {

QPushButton* closeButton(QDialog* window) {
    auto* close = new QPushButton(QStringLiteral("Close"), window);
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, window, &QDialog::close);
    return close;
}

// The Spectrum's keyboard, row by row.
constexpr const char* kKeyRows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};

}  // namespace

KeyboardHelperWindow::KeyboardHelperWindow(std::function<SourceEditor*()> currentEditor, QWidget* parent)
    : QDialog(parent), currentEditor_(std::move(currentEditor)) {
    setWindowTitle(QStringLiteral("Keyboard Manager (not working yet)"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    form_ = new QComboBox(this);
    form_->addItems({QStringLiteral("Write as INKEY"), QStringLiteral("Write as IN"), QStringLiteral("Write as CODE"),
                     QStringLiteral("Write as CHR")});
    result_ = new QLineEdit(this);
    result_->setObjectName(QStringLiteral("keyResult"));
    result_->setReadOnly(true);
    auto* paste = new QPushButton(QStringLiteral("Paste"), this);
    paste->setAutoDefault(false);
    top->addWidget(form_);
    top->addWidget(result_, 1);
    top->addWidget(paste);
    layout->addLayout(top);

    auto* keys = new QGridLayout;
    keys->setSpacing(2);
    auto addKey = [&](const QString& caption, int row, int column, char key) {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        button->setFixedWidth(40);
        connect(button, &QPushButton::clicked, this, [this, key] { pressKey(key); });
        keys->addWidget(button, row, column);
    };
    for (int row = 0; row < 4; ++row) {
        const int shift = row == 3 ? 1 : 0;
        for (int i = 0; kKeyRows[row][i]; ++i) addKey(QString(QLatin1Char(kKeyRows[row][i])), row, i + shift, kKeyRows[row][i]);
    }
    addKey(QStringLiteral("Ent"), 2, 9, '\r');
    addKey(QStringLiteral("CS"), 3, 0, 'C' - 64);
    addKey(QStringLiteral("SS"), 3, 8, 'S' - 64);
    addKey(QStringLiteral("Spc"), 3, 9, ' ');
    layout->addLayout(keys);
    layout->addWidget(closeButton(this), 0, Qt::AlignRight);

    connect(form_, &QComboBox::currentIndexChanged, this, &KeyboardHelperWindow::showResult);
    connect(paste, &QPushButton::clicked, this, [this] {
        if (SourceEditor* editor = currentEditor_(); editor && !result_->text().isEmpty())
            editor->insertAtCaret(fromQ(result_->text()));
    });
}

void KeyboardHelperWindow::pressKey(char key) {
    key_ = key;
    showResult();
}

void KeyboardHelperWindow::setForm(int index) { form_->setCurrentIndex(index); }

QString KeyboardHelperWindow::result() const { return result_->text(); }

void KeyboardHelperWindow::showResult() {
    const std::optional<KeyTest> test = keyTest(key_);
    QString text;
    if (test && form_->currentIndex() == 0) text = toQ(test->inkey);
    if (test && form_->currentIndex() == 1) text = toQ(test->in);
    result_->setText(text);
}

BeepCalculatorWindow::BeepCalculatorWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("BEEP Hz <-> pitch calculator"));
    setModal(false);
    auto* layout = new QFormLayout(this);
    hz_ = new QLineEdit(this);
    pitch_ = new QLineEdit(this);
    layout->addRow(QStringLiteral("Hz:"), hz_);
    layout->addRow(QStringLiteral("Pitch"), pitch_);
    layout->addRow(closeButton(this));
    connect(pitch_, &QLineEdit::textEdited, this, [this](const QString& text) {
        hz_->setText(toQ(beepValueText(beepHzFromPitch(text.toFloat()))));
    });
    connect(hz_, &QLineEdit::textEdited, this, [this](const QString& text) {
        pitch_->setText(toQ(beepValueText(beepPitchFromHz(text.toFloat()))));
    });
    resize(220, 110);
}

SnippetManagerWindow::SnippetManagerWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Snippet Manager"));
    setModal(false);
    setSizeGripEnabled(true);
    auto* layout = new QGridLayout(this);
    auto* tree = new QTreeWidget(this);
    tree->setObjectName(QStringLiteral("snippetTree"));
    tree->setHeaderHidden(true);
    tree->setFixedWidth(200);
    auto* spectrum = new QTreeWidgetItem(tree, {QStringLiteral("ZX Spectrum")});
    auto* memory = new QTreeWidgetItem(spectrum, {QStringLiteral("Memory")});
    new QTreeWidgetItem(memory, {QStringLiteral("Copy memory")});
    auto* graphics = new QTreeWidgetItem(spectrum, {QStringLiteral("Graphics")});
    new QTreeWidgetItem(graphics, {QStringLiteral("Put Tile")});
    new QTreeWidgetItem(spectrum, {QStringLiteral("Sound")});
    tree->expandAll();
    layout->addWidget(tree, 0, 0);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    layout->addWidget(closeButton(this), 1, 1, Qt::AlignRight);
    resize(740, 440);
}

}  // namespace quillo
