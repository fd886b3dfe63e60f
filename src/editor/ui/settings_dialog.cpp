#include "editor/ui/settings_dialog.h"

#include "app/settings.h"
#include "common/ui/colour_button.h"
#include "common/ui/qt_text.h"
#include "editor/ui/highlight_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quillo {

namespace {

QString latin(const char* text) { return QString::fromLatin1(text); }

QString objectNameOf(Setting key) { return QString::fromLatin1(settingInfo(key).key); }

// Tool paths are any file on Linux: programs have no fixed extension.
constexpr const char* kExecutableFilter = "Executable Files (*)";

}  // namespace

SettingsDialog::SettingsDialog(Settings& settings, std::function<void()> changed, QWidget* parent)
    : QDialog(parent), settings_(settings), changed_(std::move(changed)) {
    setWindowTitle(QStringLiteral("Quillo Editor settings"));
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("settingsPages"));
    tabs->addTab(controlsPage(optionsPage(), 2), QStringLiteral("Options"));
    highlight_ = new HighlightPage(settings_, [this] { report(); }, tabs);
    tabs->addTab(highlight_, QStringLiteral("Highlightning"));
    tabs->addTab(controlsPage(editorPage(), 1), QStringLiteral("Editor 1"));
    tabs->addTab(compilerPage(), QStringLiteral("Compiler"));
    tabs->addTab(controlsPage(toolsPage(), 1), QStringLiteral("Tools"));
    layout->addWidget(tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QWidget* SettingsDialog::controlsPage(std::span<const SettingControl> controls, int columns) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const int rows = static_cast<int>((controls.size() + static_cast<std::size_t>(columns) - 1) /
                                      static_cast<std::size_t>(columns));
    for (std::size_t i = 0; i < controls.size(); ++i)
        addControl(grid, static_cast<int>(i) % rows, static_cast<int>(i) / rows, controls[i]);
    grid->setRowStretch(rows, 1);
    grid->setHorizontalSpacing(10);
    return page;
}

QWidget* SettingsDialog::compilerPage() {
    auto* page = controlsPage(std::span<const SettingControl>(quillo::compilerPage()), 1);
    auto* grid = static_cast<QGridLayout*>(page->layout());
    auto* frame = new QGroupBox(QStringLiteral("Final settings"), page);
    auto* frameLayout = new QVBoxLayout(frame);
    for (const char* caption : finalSettingsCaptions()) {
        auto* box = new QCheckBox(latin(caption), frame);
        box->setEnabled(false);
        frameLayout->addWidget(box);
    }
    const int row = grid->rowCount();
    grid->setRowStretch(row - 1, 0);
    grid->addWidget(frame, row, 0, 1, 2);
    grid->setRowStretch(row + 1, 1);
    return page;
}

void SettingsDialog::addControl(QGridLayout* grid, int row, int column, const SettingControl& control) {
    using K = SettingControl::Kind;
    const Setting key = control.key;
    const int col = column * 2;
    auto label = [&](const QString& text) { grid->addWidget(new QLabel(text), row, col); };
    switch (control.kind) {
    case K::Check: {
        auto* box = new QCheckBox(latin(control.caption));
        box->setObjectName(objectNameOf(key));
        box->setToolTip(latin(control.tooltip));
        box->setChecked(settings_.flag(key));
        connect(box, &QCheckBox::clicked, this, [this, key](bool on) { store(key, on ? 1 : 0); });
        grid->addWidget(box, row, col, 1, 2);
        break;
    }
    case K::Colour:
    case K::ColourPair: {
        const bool pair = control.kind == K::ColourPair;
        label(pair ? latin(control.caption) + QStringLiteral(" BG:") : latin(control.caption));
        auto* cell = new QWidget;
        auto* row_ = new QHBoxLayout(cell);
        row_->setContentsMargins(0, 0, 0, 0);
        auto addButton = [&](Setting k, const char* tip) {
            auto* button = new ColourButton(cell);
            button->setObjectName(objectNameOf(k));
            button->setToolTip(latin(tip));
            button->setColour(settings_.integer(k));
            connect(button, &ColourButton::colourChosen, this, [this, k](int bgr) { store(k, bgr); });
            refreshers_.push_back([this, button, k] { button->setColour(settings_.integer(k)); });
            row_->addWidget(button);
        };
        addButton(key, control.tooltip);
        if (pair) {
            row_->addWidget(new QLabel(QStringLiteral("FG:"), cell));
            addButton(control.key2, control.tooltip2);
        }
        row_->addStretch(1);
        grid->addWidget(cell, row, col + 1);
        break;
    }
    case K::Choice:
    case K::TextChoice: {
        label(latin(control.caption));
        auto* combo = new QComboBox;
        combo->setObjectName(objectNameOf(key));
        const auto values = control.values.empty() ? control.items : control.values;
        for (const char* item : control.items) combo->addItem(latin(item));
        if (control.kind == K::Choice) {
            combo->setCurrentIndex(settings_.integer(key));
            connect(combo, &QComboBox::activated, this, [this, key](int index) { store(key, index); });
        } else {
            int current = -1;
            for (std::size_t i = 0; i < values.size(); ++i)
                if (settings_.text(key) == values[i]) current = static_cast<int>(i);
            if (current < 0) {  // a value set by hand in the file stays selectable
                combo->addItem(toQ(settings_.text(key)));
                current = combo->count() - 1;
            }
            combo->setCurrentIndex(current);
            connect(combo, &QComboBox::activated, this, [this, key, values, combo](int index) {
                store(key, index < static_cast<int>(values.size()) ? std::string(values[static_cast<std::size_t>(index)])
                                                                   : fromQ(combo->itemText(index)));
            });
        }
        grid->addWidget(combo, row, col + 1);
        break;
    }
    case K::Number: {
        label(latin(control.caption));
        auto* spin = new QSpinBox;
        spin->setObjectName(objectNameOf(key));
        spin->setRange(control.minimum, control.maximum);
        spin->setValue(settings_.integer(key));
        connect(spin, &QSpinBox::valueChanged, this, [this, key](int value) { store(key, value); });
        grid->addWidget(spin, row, col + 1);
        break;
    }
    case K::Path:
        label(latin(control.caption));
        grid->addWidget(pathField(control), row, col + 1);
        break;
    }
}

QWidget* SettingsDialog::pathField(const SettingControl& control) {
    const Setting key = control.key;
    auto* cell = new QWidget;
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    auto* edit = new QLineEdit(toQ(settings_.text(key)), cell);
    edit->setObjectName(objectNameOf(key));
    edit->setMinimumWidth(360);
    connect(edit, &QLineEdit::textEdited, this, [this, key](const QString& text) { store(key, fromQ(text)); });
    auto* choose = new QToolButton(cell);
    choose->setText(QStringLiteral("..."));
    choose->setToolTip(latin(control.tooltip));
    const QString title = latin(control.chooserTitle);
    connect(choose, &QToolButton::clicked, this, [this, key, edit, title] {
        const QString start = QFileInfo(edit->text()).absolutePath();
        const QString file = QFileDialog::getOpenFileName(this, title, edit->text().isEmpty() ? QString() : start,
                                                          latin(kExecutableFilter));
        if (file.isEmpty()) return;
        edit->setText(file);
        store(key, fromQ(file));
    });
    row->addWidget(edit, 1);
    row->addWidget(choose);
    auto* web = new QPushButton(QStringLiteral("Web"), cell);
    web->setAutoDefault(false);
    row->addWidget(web);
    if (*control.webAddress) {
        web->setToolTip(latin(control.webTooltip));
        const QUrl address(latin(control.webAddress));
        connect(web, &QPushButton::clicked, this, [address] { QDesktopServices::openUrl(address); });
    } else {
        // Kept as room, so the fields of a page line up.
        QSizePolicy room = web->sizePolicy();
        room.setRetainSizeWhenHidden(true);
        web->setSizePolicy(room);
        web->hide();
    }
    return cell;
}

void SettingsDialog::store(Setting key, int value) {
    settings_.set(key, value);
    report();
}

void SettingsDialog::store(Setting key, std::string value) {
    settings_.set(key, std::move(value));
    report();
}

void SettingsDialog::report() {
    for (const auto& refresh : refreshers_) refresh();
    if (highlight_) highlight_->refresh();
    if (changed_) changed_();
}

}  // namespace quillo
