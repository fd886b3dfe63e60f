#include "app/ui/project_panel.h"

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

std::int32_t decimalValue(const QLineEdit* field) { return leadingInt(field->text().toStdString()); }

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
    tabs_->addTab(projectPage_, tr("Project"));
    tabs_->addTab(project2Page_, tr("Project 2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
}

void ProjectPanel::addCheck(QWidget* page, const char* key, const QString& caption, const QString& tooltip,
                            CheckField field, bool immediate, bool enabled) {
    auto* box = new QCheckBox(caption, page);
    box->setObjectName(key);
    box->setToolTip(tooltip);
    box->setEnabled(enabled);
    addWide(static_cast<QGridLayout*>(page->layout()), box);
    checks_.push_back({box, field});
    if (immediate) {
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
            storeNow([field, on](Document& d) { d.*field = on ? 1 : 0; });
        });
    }
}

QWidget* ProjectPanel::buildProjectPage() {
    auto* page = new QWidget;
    page->setMinimumWidth(kPageWidth);
    QGridLayout* grid = pageGrid(page, 0);

    addCheck(page, "CompileFinal", tr("Compile final"),
             tr("Enable highest speed and also add screen and compress the files"), &Document::compileFinal, false,
             false);

    mainFile_ = comboBox(page, "MainPrgName", {});
    mainFile_->setEnabled(false);
    addRow(grid, page, tr("Main file:"), mainFile_);

    addWide(grid, label(page, tr("Output file:")));
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
    addRow(grid, page, tr("Start address:"), prgStart_);
    connect(prgStart_, &QLineEdit::textChanged, this,
            [this] { storeNow([this](Document& d) { d.prgStart = decimalValue(prgStart_); }); });

    optimisation_ = comboBox(page, "Optimisation", {tr("None"), tr("Level 1"), tr("Level 2"), tr("Level 3")});
    addRow(grid, page, tr("Optimisation:"), optimisation_);

    outputType_ = comboBox(page, "OutputType", {"BIN", "TAP", "TZX", "ASM"});
    addRow(grid, page, tr("Output:"), outputType_);
    connect(outputType_, &QComboBox::currentIndexChanged, this,
            [this] { storeNow([this](Document& d) { storeIndex(outputType_, d.outputType); }); });

    specialLib_ = comboBox(page, "SpecialLib", {tr("None"), tr("ZX Spectrum")});
    addRow(grid, page, tr("Librarys:"), specialLib_);
    connect(specialLib_, &QComboBox::currentIndexChanged, this,
            [this] { storeNow([this](Document& d) { storeIndex(specialLib_, d.specialLib); }); });

    heapsize_ = numberField(page, "Heapsize");
    addRow(grid, page, tr("Heap size:"), heapsize_);
    connect(heapsize_, &QLineEdit::textChanged, this,
            [this] { storeNow([this](Document& d) { d.heapsize = decimalValue(heapsize_); }); });

    addCheck(page, "EnableBreak", tr("Enable Break"), tr("Enables BREAK key, but program runs slower"),
             &Document::enableBreak, true);
    addCheck(page, "MemoryCheck", tr("Memory check"), tr("Enables out of memory check but program runs slower"),
             &Document::memoryCheck, true);
    addCheck(page, "ArrayCheck", tr("Array Check"), tr("Enables Array boundary check but program runs slower"),
             &Document::arrayCheck, true);
    addCheck(page, "StrictBool", tr("Strict Boolean"), tr("Enables strict bolean values but program runs slower"),
             &Document::strictBool, true);
    addCheck(page, "Backend", tr("Enable Emmit backend"), QString(), &Document::backend, true);
    addCheck(page, "Debug", tr("Display debug info"), tr("Enables Debug info while compilation"), &Document::debug,
             true, false);
    addCheck(page, "InclLdr", tr("Include BASIC Loader"), tr("Includes a BASIC Loader for the TAP/TZX file"),
             &Document::inclLdr, true);
    addCheck(page, "LdrAutostart", tr("Enable Autorun loader"),
             tr("If a BASIC loader is included, you can set it to start automaticaly"), &Document::ldrAutostart, true);
    addCheck(page, "DisplayMap", tr("View Memory"), tr("View memory map after compilation"), &Document::displayMap,
             true);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* ProjectPanel::buildProject2Page() {
    auto* page = new QWidget;
    page->setMinimumWidth(kPageWidth);
    QGridLayout* grid = pageGrid(page, 5);

    author_ = new QLineEdit(page);
    author_->setObjectName("Author");
    addRow(grid, page, tr("Author:"), author_);
    connect(author_, &QLineEdit::textChanged, this,
            [this] { storeNow([this](Document& d) { d.author = author_->text().toStdString(); }); });

    target_ = comboBox(page, "Target", {tr("ZX Spectrum")});
    addRow(grid, page, tr("Target:"), target_);
    connect(target_, &QComboBox::currentIndexChanged, this,
            [this] { storeNow([this](Document& d) { storeIndex(target_, d.target); }); });

    memory_ = comboBox(page, "Memory", {"48K", "128K"});
    addRow(grid, page, tr("Memory:"), memory_);
    connect(memory_, &QComboBox::currentIndexChanged, this,
            [this] { storeNow([this](Document& d) { storeIndex(memory_, d.memory); }); });

    extLevels_ = spinBox(page, "ExtLevels", 255);
    addRow(grid, page, tr("Ext.Loads:"), extLevels_);
    connect(extLevels_, &QSpinBox::valueChanged, this,
            [this](int v) { storeNow([v](Document& d) { d.extLevels = static_cast<std::int16_t>(v); }); });

    usedEmulator_ = comboBox(page, "UsedEmulator",
                             {tr("Emulator 0"), tr("Emulator 1"), tr("Emulator 2"), tr("Emulator 3"), tr("Emulator 4")});
    addRow(grid, page, tr("Emulator:"), usedEmulator_);

    addCheck(page, "Compression", tr("Use File Compressor"), tr("Enable compression of the files"),
             &Document::compression, false, false);
    addCheck(page, "Explicit", tr("Explicit"), tr("Explicit variable definition"), &Document::explicit_, true);

    arrayBase_ = spinBox(page, "ArrayBase", 999);
    addRow(grid, page, tr("Array base:"), arrayBase_);
    connect(arrayBase_, &QSpinBox::valueChanged, this,
            [this](int v) { storeNow([v](Document& d) { d.arrayBase = v; }); });

    stringBase_ = spinBox(page, "StringBase", 999);
    addRow(grid, page, tr("String base:"), stringBase_);
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
    outputFile_->setText(QString::fromStdString(doc.outputFile));
    prgStart_->setText(QString::number(doc.prgStart));
    showIndex(optimisation_, doc.optimisation);
    showIndex(outputType_, doc.outputType);
    showIndex(specialLib_, doc.specialLib);
    heapsize_->setText(QString::number(doc.heapsize));
    author_->setText(QString::fromStdString(doc.author));
    showIndex(target_, doc.target);
    showIndex(memory_, doc.memory);
    extLevels_->setValue(doc.extLevels);
    showIndex(usedEmulator_, doc.usedEmulator);
    arrayBase_->setValue(doc.arrayBase);
    stringBase_->setValue(doc.stringBase);
}

void ProjectPanel::storeInto(Document& doc) const {
    for (const auto& [box, field] : checks_) doc.*field = box->isChecked() ? 1 : 0;
    doc.outputFile = outputFile_->text().toStdString();
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
    doc.author = author_->text().toStdString();
}

void ProjectPanel::refillMainFileList(const std::vector<std::string>& documentNames, int currentIndex,
                                      const std::string& mainPrgName) {
    const SettingControls guard(settingControls_);
    mainFile_->clear();
    for (int i = 0; i < static_cast<int>(documentNames.size()); ++i)
        mainFile_->addItem(i == currentIndex ? tr("This File")
                                             : QString::fromStdString(documentNames[static_cast<std::size_t>(i)]));
    mainFile_->setCurrentIndex(mainPrgName.empty() ? -1 : mainFile_->findText(QString::fromStdString(mainPrgName)));
}

void ProjectPanel::storeMainFileName(Document& doc) const { doc.mainPrgName = mainFile_->currentText().toStdString(); }

void ProjectPanel::chooseOutputFile() {
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Select output file"), outputFile_->text(),
                                                        tr("All files (*)"));
    if (chosen.isEmpty()) return;
    outputFile_->setText(chosen);
    storeNow([&chosen](Document& d) { d.outputFile = chosen.toStdString(); });
}

}  // namespace quillo
