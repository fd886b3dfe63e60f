#include "editor/ui/highlight_page.h"

#include "app/settings.h"
#include "common/ui/colour.h"
#include "common/ui/colour_button.h"
#include "common/ui/qt_text.h"
#include "editor/colour_profiles.h"
#include "editor/editor_styles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace quillo {

namespace {

const EditorStyle& styleAt(int row) { return editorStyles()[static_cast<std::size_t>(row < 0 ? 0 : row)]; }

}  // namespace

HighlightPage::HighlightPage(Settings& settings, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), settings_(settings), changed_(std::move(changed)) {
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Component:"), this), 0, 0);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("componentList"));
    for (const EditorStyle& style : editorStyles()) list_->addItem(QString::fromLatin1(style.caption));
    layout->addWidget(list_, 1, 0, 6, 1);

    paper_ = new ColourButton(this);
    paper_->setObjectName(QStringLiteral("componentPaper"));
    paper_->setToolTip(QStringLiteral("Set Background colour"));
    ink_ = new ColourButton(this);
    ink_->setObjectName(QStringLiteral("componentInk"));
    ink_->setToolTip(QStringLiteral("Set Foreground colour"));
    bold_ = new QCheckBox(QStringLiteral("Bold"), this);
    italic_ = new QCheckBox(QStringLiteral("Italic"), this);
    font_ = new QLabel(this);
    font_->setObjectName(QStringLiteral("componentFont"));
    auto* fontButton = new QToolButton(this);
    fontButton->setText(QStringLiteral("..."));
    fontButton->setToolTip(QStringLiteral("Select new font"));
    layout->addWidget(new QLabel(QStringLiteral("Paper"), this), 1, 1);
    layout->addWidget(paper_, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Ink"), this), 2, 1);
    layout->addWidget(ink_, 2, 2);
    layout->addWidget(bold_, 3, 1, 1, 2);
    layout->addWidget(italic_, 4, 1, 1, 2);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(font_, 1);
    fontRow->addWidget(fontButton);
    layout->addLayout(fontRow, 5, 1, 1, 2);
    layout->setRowStretch(6, 1);
    layout->setColumnStretch(0, 1);

    auto* profileBox = new QGroupBox(QStringLiteral("Predefined profiles"), this);
    auto* profileRow = new QHBoxLayout(profileBox);
    profiles_ = new QComboBox(profileBox);
    profiles_->setObjectName(QStringLiteral("profiles"));
    for (const char* name : colourProfileNames()) profiles_->addItem(QString::fromLatin1(name));
    auto* setProfileButton = new QPushButton(QStringLiteral("Set Profile"), profileBox);
    setProfileButton->setAutoDefault(false);
    profileRow->addWidget(profiles_, 1);
    profileRow->addWidget(setProfileButton);
    layout->addWidget(profileBox, 7, 0, 1, 3);

    connect(list_, &QListWidget::currentRowChanged, this, &HighlightPage::showSelected);
    connect(paper_, &ColourButton::colourChosen, this, [this](int bgr) {
        settings_.set(styleAt(list_->currentRow()).background, bgr);
        report();
    });
    connect(ink_, &ColourButton::colourChosen, this, [this](int bgr) {
        settings_.set(styleAt(list_->currentRow()).foreground, bgr);
        report();
    });
    connect(bold_, &QCheckBox::clicked, this, [this](bool on) {
        if (const auto key = styleAt(list_->currentRow()).bold) settings_.set(*key, on ? 1 : 0);
        report();
    });
    connect(italic_, &QCheckBox::clicked, this, [this](bool on) {
        if (const auto key = styleAt(list_->currentRow()).italic) settings_.set(*key, on ? 1 : 0);
        report();
    });
    connect(fontButton, &QToolButton::clicked, this, &HighlightPage::chooseFont);
    connect(setProfileButton, &QPushButton::clicked, this, &HighlightPage::setProfile);
    list_->setCurrentRow(0);
    refresh();
    // All seventeen elements in view at once.
    list_->setMinimumHeight(list_->sizeHintForRow(0) * list_->count() + 2 * list_->frameWidth() + 4);
}

void HighlightPage::refresh() {
    for (int row = 0; row < list_->count(); ++row) {
        const EditorStyle& style = styleAt(row);
        QListWidgetItem* item = list_->item(row);
        item->setBackground(colourFromBgr(settings_.integer(style.background)));
        item->setForeground(colourFromBgr(settings_.integer(style.foreground)));
        QFont font = list_->font();
        font.setBold(style.bold && (settings_.integer(*style.bold) & 1));
        font.setItalic(style.italic && settings_.flag(*style.italic));
        item->setFont(font);
    }
    showSelected();
}

void HighlightPage::showSelected() {
    const EditorStyle& style = styleAt(list_->currentRow());
    paper_->setColour(settings_.integer(style.background));
    ink_->setColour(settings_.integer(style.foreground));
    bold_->setEnabled(style.bold.has_value());
    italic_->setEnabled(style.italic.has_value());
    // Only bit 0 is bold: the dark profile's 4 for the library style is no bold.
    bold_->setChecked(style.bold && (settings_.integer(*style.bold) & 1));
    italic_->setChecked(style.italic && settings_.flag(*style.italic));
    font_->setText(toQ(settings_.text(style.font)));
}

void HighlightPage::chooseFont() {
    const EditorStyle& style = styleAt(list_->currentRow());
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, QFont(toQ(settings_.text(style.font))), this,
                                              QStringLiteral("Select new font"));
    if (!ok) return;
    settings_.set(style.font, fromQ(chosen.family()));
    report();
}

void HighlightPage::setProfile() {
    applyColourProfile(settings_, profiles_->currentIndex());
    report();
}

void HighlightPage::report() {
    refresh();
    if (changed_) changed_();
}

}  // namespace quillo
