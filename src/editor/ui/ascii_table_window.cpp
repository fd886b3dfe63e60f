#include "editor/ui/ascii_table_window.h"

#include "common/cell_screen.h"
#include "common/ui/pixel_image.h"
#include "editor/ascii_table.h"
#include "editor/ui/source_editor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillo {

namespace {

constexpr int kGlyphColumns = 16;

// One 8 by 8 cell of the cell screen, shown at 16 by 16 pixels.
QIcon glyphIcon(const Charset& charset, int code, int ink, int paper) {
    CellScreen screen(charset);
    screen.write(0, 0, ink, paper, std::string(1, static_cast<char>(code)));
    PixelBuffer pixels(8, 8);
    screen.draw(1, 1, pixels);
    return QIcon(QPixmap::fromImage(toImage(pixels).scaled(16, 16)));
}

std::vector<int> codeRange(int first, int last, std::initializer_list<int> except = {}) {
    std::vector<int> codes;
    for (int c = first; c <= last; ++c)
        if (std::find(except.begin(), except.end(), c) == except.end()) codes.push_back(c);
    return codes;
}

}  // namespace

AsciiTableWindow::AsciiTableWindow(std::function<SourceEditor*()> currentEditor, const Charset& charset,
                                   QWidget* parent)
    : QDialog(parent), currentEditor_(std::move(currentEditor)), charset_(charset) {
    setWindowTitle(QStringLiteral("ASCII Table"));
    setModal(false);
    auto* layout = new QGridLayout(this);
    auto* forms = new QHBoxLayout;
    auto* asString = new QRadioButton(QStringLiteral("Write as String"), this);
    asChr_ = new QRadioButton(QStringLiteral("Write as CHR()"), this);
    asString->setChecked(true);
    forms->addWidget(asString);
    forms->addWidget(asChr_);
    forms->addStretch(1);
    layout->addLayout(forms, 0, 0, 1, 2);
    // Black on white for text, the Spectrum's own symbols in blue, graphics in red and magenta.
    layout->addWidget(glyphGroup("ASCII", codeRange(32, 126, {94, 96}), 0, 7), 1, 0, 2, 1);
    layout->addWidget(glyphGroup("Graphics", {94, 96, 127}, 1, 7), 1, 1);
    layout->addWidget(glyphGroup("Block Graphics", codeRange(128, 143), 2, 7), 2, 1);
    layout->addWidget(glyphGroup("UDG", codeRange(144, 164), 3, 7), 3, 0);
    layout->addWidget(controlGroup(), 3, 1, 2, 1);
    layout->addWidget(keywordGroup(), 4, 0);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 5, 1, Qt::AlignRight);
}

QWidget* AsciiTableWindow::glyphGroup(const char* title, const std::vector<int>& codes, int ink, int paper) {
    auto* group = new QGroupBox(QString::fromLatin1(title), this);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(1);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int code = codes[i];
        auto* button = new QToolButton(group);
        button->setObjectName(QStringLiteral("code%1").arg(code));
        button->setIcon(glyphIcon(charset_, code, ink, paper));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(QStringLiteral("%1").arg(code));
        connect(button, &QToolButton::clicked, this, [this, code] { insertCode(code); });
        grid->addWidget(button, static_cast<int>(i) / kGlyphColumns, static_cast<int>(i) % kGlyphColumns);
    }
    return group;
}

QWidget* AsciiTableWindow::controlGroup() {
    auto* group = new QGroupBox(QStringLiteral("Control codes"), this);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(2);
    int i = 0;
    for (const ControlCode& control : controlCodes()) {
        auto* button = new QPushButton(QString::fromLatin1(control.name), group);
        button->setAutoDefault(false);
        button->setToolTip(QStringLiteral("%1").arg(control.code));
        if (control.code == 6) connect(button, &QPushButton::clicked, this, [this] { insert(kPrintCommaInsert); });
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    return group;
}

QWidget* AsciiTableWindow::keywordGroup() {
    auto* group = new QGroupBox(QStringLiteral("Cmd A-E"), this);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(2);
    int i = 0;
    for (const char* keyword : commandKeywords()) {
        auto* button = new QPushButton(QString::fromLatin1(keyword), group);
        button->setAutoDefault(false);
        button->setFixedWidth(65);
        grid->addWidget(button, i / 5, i % 5);
        ++i;
    }
    return group;
}

void AsciiTableWindow::setChrForm(bool on) { asChr_->setChecked(on); }

void AsciiTableWindow::insertCode(int code) {
    insert(asChr_->isChecked() ? asciiChrForm(code) : asciiStringForm(code));
}

void AsciiTableWindow::insert(const std::string& text) {
    if (SourceEditor* editor = currentEditor_(); editor && !text.empty()) editor->insertAtCaret(text);
}

}  // namespace quillo
