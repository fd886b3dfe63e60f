#include "app/ui/project_panel.h"

#include "common/ui/qt_text.h"

#include "common/number_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quillo {

namespace {

constexpr int kPageWidth = 200;

// Numeric fields take up to five digits; any such value is stored as typed.
QLineEdit* numberField(QWidget* page, const char* key) {
    auto* field = new QLineEdit(page);
    field->setObjectName(key);
    field->setMaxLength(5);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), field));
    return field;
}

QComboBox* comboBox(QWidget* page, const char* key, const QStringList& items) {
    auto* combo = new QComboBox(page);
    combo->setObjectName(key);
    combo->addItems(items);
    return combo;
}

QSpinBox* spinBox(QWidget* page, const char* key, int maximum) {
    auto* spin = new QSpinBox(page);
    spin->setObjectName(key);
    spin->setRange(0, maximum);
    return spin;
}

std::int32_t decimalValue(const QLineEdit* field) { return leadingInt(fromQ(field->text())); }

// A stored value that is no item of the list shows no selection.
void showIndex(QComboBox* combo, int value) { combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1); }

// With no selection the document keeps its value.
template <typename Field>
void storeIndex(const QComboBox* combo, Field& field) {
    if (combo->currentIndex() >= 0) field = static_cast<Field>(combo->currentIndex());
}

QLabel* label(QWidget* page, const QString& text) { return new QLabel(text, page); }

// Labels on the left with their controls beside them; check boxes, added by
// the caller, run down the page below.
QGridLayout* pageGrid(QWidget* page, int leftMargin) {
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(leftMargin, 4, 4, 4);
    grid->setColumnStretch(1, 1);
    return grid;
}

void addRow(QGridLayout* grid, QWidget* page, const QString& caption, QWidget* control) {
    const int row = grid->rowCount();
    grid->addWidget(label(page, caption), row, 0);
    grid->addWidget(control, row, 1);
}

void addWide(QGridLayout* grid, QWidget* control) { grid->addWidget(control, grid->rowCount(), 0, 1, 2); }

class SettingControls {
public:
    explicit SettingControls(bool& flag) : flag_(flag) { flag_ = true; }
    ~SettingControls() { flag_ = false; }
    SettingControls(const SettingControls&) = delete;
    SettingControls& operator=(const SettingControls&) = delete;
private:
    bool& flag_;
};

}  // namespace

ProjectPanel::ProjectPanel(QWidget* parent) : QWidget(parent) {
    projectPage_ = buildProjectPage();
    project2Page_ = buildProject2Page();
    tabs_ = new QTabWidget(this);
    tabs_->addTab(projectPage_, QStringLiteral("Project"));
    tabs_->addTab(project2Page_, QStringLiteral("Project 2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
}

void ProjectPanel::addCheck(QWidget* page, const CheckBoxSpec& spec) {
    auto* box = new QCheckBox(spec.caption, page);
    box->setObjectName(spec.key);
    box->setToolTip(spec.tooltip);
    box->setEnabled(spec.enabled);
    addWide(static_cast<QGridLayout*>(page->layout()), box);
    const CheckField field = spec.field;
    checks_.push_back({box, field});
    if (spec.storesOnToggle) {
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
            storeNow([field, on](Document& d) { d.*field = on ? 1 : 0; });
        });
    }
}

QWidget* ProjectPanel::buildProjectPage() {
    auto* page = new QWidget;
    page->setMinimumWidth(kPageWidth);
    QGridLayout* grid = pageGrid(page, 0);

    addCheck(page, {.key = "CompileFinal",
                    .caption = QStringLiteral("Compile final"),
                    .tooltip = QStringLiteral("Enable highest speed and also add screen and compress the files"),
                    .field = &Document::compileFinal,
                    .storesOnToggle = false,
                    .enabled = false});

    mainFile_ = comboBox(page, "MainPrgName", {});
    mainFile_->setEnabled(false);
    addRow(grid, page, QStringLiteral("Main file:"), mainFile_);

    addWide(grid, label(page, QStringLiteral("Output file:")));
    outputFile_ = new QLineEdit(page);
    outputFile_->setObjectName("OutputFile");
    outputFile_->setReadOnly(true);
    outputButton_ = new QPushButton(QStringLiteral("..."), page);
    outputButton_->setObjectName("OutputFileButton");
    outputButton_->setFixedWidth(24);
    auto* outputRow = new QHBoxLayout;
    outputRow->setSpacing(1);
    outputRow->addWidget(outputFile_);
    outputRow->addWidget(outputButton_);
    grid->addLayout(outputRow, grid->rowCount(), 0, 1, 2);
    connect(outputButton_, &QPushButton::clicked, this, &ProjectPanel::chooseOutputFile);

    prgStart_ = numberField(page, "PrgStart");
    addRow(grid, page, QStringLiteral("Start address:"), prgStart_);
    connect(prgStart_, &QLineEdit::textChanged, this,
            [this] { storeNow([this](Document& d) { d.prgStart = decimalValue(prgStart_); }); });

    optimisation_ = comboBox(page, "Optimisation", {QStringLiteral("None"), QStringLiteral("Level 1"), QStringLiteral("Level 2"), QStringLiteral("Level 3")});
    addRow(grid, page, QStringLiteral("Optimisation:"), optimisation_);

    outputType_ = comboBox(page, "OutputType", {"BIN", "TAP", "TZX", "ASM"});
    addRow(grid, page, QStringLiteral("Output:"), outputType_);
    connect(outputType_, &QComboBox::currentIndexChanged, this,
            [this] { storeNow([this](Document& d) { storeIndex(outputType_, d.outputType); }); });

    specialLib_ = comboBox(page, "SpecialLib", {QStringLiteral("None"), QStringLiteral("ZX Spectrum")});
    addRow(grid, page, QStringLiteral("Librarys:"), specialLib_);
    connect(specialLib_, &QComboBox::currentIndexChanged, this,
            [this] { storeNow([this](Document& d) { storeIndex(specialLib_, d.specialLib); }); });

    heapsize_ = numberField(page, "Heapsize");
    addRow(grid, page, QStringLiteral("Heap size:"), heapsize_);
    connect(heapsize_, &QLineEdit::textChanged, this,
            [this] { storeNow([this](Document& d) { d.heapsize = decimalValue(heapsize_); }); });

    addCheck(page, {.key = "EnableBreak",
                    .caption = QStringLiteral("Enable Break"),
                    .tooltip = QStringLiteral("Enables BREAK key, but program runs slower"),
                    .field = &Document::enableBreak});
    addCheck(page, {.key = "MemoryCheck",
                    .caption = QStringLiteral("Memory check"),
                    .tooltip = QStringLiteral("Enables out of memory check but program runs slower"),
                    .field = &Document::memoryCheck});
    addCheck(page, {.key = "ArrayCheck",
                    .caption = QStringLiteral("Array Check"),
                    .tooltip = QStringLiteral("Enables Array boundary check but program runs slower"),
                    .field = &Document::arrayCheck});
    addCheck(page, {.key = "StrictBool",
                    .caption = QStringLiteral("Strict Boolean"),
                    .tooltip = QStringLiteral("Enables strict bolean values but program runs slower"),
                    .field = &Document::strictBool});
    addCheck(page, {.key = "Backend",
                    .caption = QStringLiteral("Enable Emmit backend"),
                    .tooltip = QString(),
                    .field = &Document::backend});
    addCheck(page, {.key = "Debug",
                    .caption = QStringLiteral("Display debug info"),
                    .tooltip = QStringLiteral("Enables Debug info while compilation"),
                    .field = &Document::debug,
                    .enabled = false});
    addCheck(page, {.key = "InclLdr",
                    .caption = QStringLiteral("Include BASIC Loader"),
                    .tooltip = QStringLiteral("Includes a BASIC Loader for the TAP/TZX file"),
                    .field = &Document::inclLdr});
    addCheck(page, {.key = "LdrAutostart",
                    .caption = QStringLiteral("Enable Autorun loader"),
                    .tooltip = QStringLiteral("If a BASIC loader is included, you can set it to start automaticaly"),
                    .field = &Document::ldrAutostart});
    addCheck(page, {.key = "DisplayMap",
                    .caption = QStringLiteral("View Memory"),
                    .tooltip = QStringLiteral("View memory map after compilation"),
                    .field = &Document::displayMap});
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* ProjectPanel::buildProject2Page() {
    auto* page = new QWidget;
    page->setMinimumWidth(kPageWidth);
    QGridLayout* grid = pageGrid(page, 5);

    author_ = new QLineEdit(page);
    author_->setObjectName("Author");
    addRow(grid, page, QStringLiteral("Author:"), author_);
    connect(author_, &QLineEdit::textChanged, this,
            [this] { storeNow([this](Document& d) { d.author = fromQ(author_->text()); }); });

    target_ = comboBox(page, "Target", {QStringLiteral("ZX Spectrum")});
    addRow(grid, page, QStringLiteral("Target:"), target_);
    connect(target_, &QComboBox::currentIndexChanged, this,
            [this] { storeNow([this](Document& d) { storeIndex(target_, d.target); }); });

    memory_ = comboBox(page, "Memory", {"48K", "128K"});
    addRow(grid, page, QStringLiteral("Memory:"), memory_);
    connect(memory_, &QComboBox::currentIndexChanged, this,
            [this] { storeNow([this](Document& d) { storeIndex(memory_, d.memory); }); });

    extLevels_ = spinBox(page, "ExtLevels", 255);
    addRow(grid, page, QStringLiteral("Ext.Loads:"), extLevels_);
    connect(extLevels_, &QSpinBox::valueChanged, this,
            [this](int v) { storeNow([v](Document& d) { d.extLevels = static_cast<std::int16_t>(v); }); });

    usedEmulator_ = comboBox(page, "UsedEmulator",
                             {QStringLiteral("Emulator 0"), QStringLiteral("Emulator 1"), QStringLiteral("Emulator 2"), QStringLiteral("Emulator 3"), QStringLiteral("Emulator 4")});
    addRow(grid, page, QStringLiteral("Emulator:"), usedEmulator_);

    addCheck(page, {.key = "Compression",
                    .caption = QStringLiteral("Use File Compressor"),
                    .tooltip = QStringLiteral("Enable compression of the files"),
                    .field = &Document::compression,
                    .storesOnToggle = false,
                    .enabled = false});
    addCheck(page, {.key = "Explicit",
                    .caption = QStringLiteral("Explicit"),
                    .tooltip = QStringLiteral("Explicit variable definition"),
                    .field = &Document::explicit_});

    arrayBase_ = spinBox(page, "ArrayBase", 999);
    addRow(grid, page, QStringLiteral("Array base:"), arrayBase_);
    connect(arrayBase_, &QSpinBox::valueChanged, this,
            [this](int v) { storeNow([v](Document& d) { d.arrayBase = v; }); });

    stringBase_ = spinBox(page, "StringBase", 999);
    addRow(grid, page, QStringLiteral("String base:"), stringBase_);
    connect(stringBase_, &QSpinBox::valueChanged, this,
            [this](int v) { storeNow([v](Document& d) { d.stringBase = v; }); });
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

void ProjectPanel::storeNow(const std::function<void(Document&)>& store) {
    if (settingControls_ || !currentDocument_) return;
    Document* doc = currentDocument_();
    if (!doc) return;
    store(*doc);
    emit optionStored();
}

void ProjectPanel::setFromDocument(const Document& doc) {
    const SettingControls guard(settingControls_);
    for (const auto& [box, field] : checks_) box->setChecked(doc.*field != 0);
    outputFile_->setText(toQ(doc.outputFile));
    prgStart_->setText(QString::number(doc.prgStart));
    showIndex(optimisation_, doc.optimisation);
    showIndex(outputType_, doc.outputType);
    showIndex(specialLib_, doc.specialLib);
    heapsize_->setText(QString::number(doc.heapsize));
    author_->setText(toQ(doc.author));
    showIndex(target_, doc.target);
    showIndex(memory_, doc.memory);
    extLevels_->setValue(doc.extLevels);
    showIndex(usedEmulator_, doc.usedEmulator);
    arrayBase_->setValue(doc.arrayBase);
    stringBase_->setValue(doc.stringBase);
}

void ProjectPanel::storeInto(Document& doc) const {
    for (const auto& [box, field] : checks_) doc.*field = box->isChecked() ? 1 : 0;
    doc.outputFile = fromQ(outputFile_->text());
    doc.prgStart = decimalValue(prgStart_);
    doc.arrayBase = arrayBase_->value();
    doc.stringBase = stringBase_->value();
    doc.heapsize = decimalValue(heapsize_);
    storeIndex(optimisation_, doc.optimisation);
    storeIndex(outputType_, doc.outputType);
    storeIndex(specialLib_, doc.specialLib);
    storeIndex(target_, doc.target);
    storeIndex(memory_, doc.memory);
    storeIndex(usedEmulator_, doc.usedEmulator);
    doc.extLevels = static_cast<std::int16_t>(extLevels_->value());
    doc.author = fromQ(author_->text());
}

void ProjectPanel::refillMainFileList(const std::vector<std::string>& documentNames, int currentIndex,
                                      const std::string& mainPrgName) {
    const SettingControls guard(settingControls_);
    mainFile_->clear();
    for (int i = 0; i < static_cast<int>(documentNames.size()); ++i)
        mainFile_->addItem(i == currentIndex ? QStringLiteral("This File")
                                             : toQ(documentNames[static_cast<std::size_t>(i)]));
    mainFile_->setCurrentIndex(mainPrgName.empty() ? -1 : mainFile_->findText(toQ(mainPrgName)));
}

void ProjectPanel::storeMainFileName(Document& doc) const { doc.mainPrgName = fromQ(mainFile_->currentText()); }

void ProjectPanel::chooseOutputFile() {
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Select output file"), outputFile_->text(),
                                                        QStringLiteral("All files (*)"));
    if (chosen.isEmpty()) return;
    outputFile_->setText(chosen);
    storeNow([&chosen](Document& d) { d.outputFile = fromQ(chosen); });
}

}  // namespace quillo
