#include "pipeline/ui/add_binary_dialog.h"

#include "common/ui/qt_text.h"

#include "common/number_text.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quillo {

namespace {

}  // namespace

AddBinaryDialog::AddBinaryDialog(Mode mode, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Add binary file"));
    const QString action = mode == Mode::Add ? QStringLiteral("Add") : QStringLiteral("Update");

    fileName_ = new QLineEdit(this);
    fileName_->setObjectName("FileName");
    fileName_->setReadOnly(true);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName("Browse");
    browse->setFixedWidth(28);
    connect(browse, &QPushButton::clicked, this, &AddBinaryDialog::chooseFile);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileName_);
    fileRow->addWidget(browse);

    description_ = new QLineEdit(toQ(kDefaultBinaryDescription), this);
    description_->setObjectName("Description");

    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("File Name:"), fileRow);
    top->addRow(QStringLiteral("Description:"), description_);

    // "48/128K": where the binary goes.
    auto* memoryTab = new QWidget;
    start_ = new QSpinBox(memoryTab);
    start_->setObjectName("StartAddress");
    start_->setRange(0, 65535);
    bank_ = new QComboBox(memoryTab);
    bank_->setObjectName("MemoryBank");
    for (const BankInfo& bank : kBanks) bank_->addItem(toQ(bank.comboText));
    size_ = new QLineEdit(QStringLiteral("0"), memoryTab);
    size_->setObjectName("Size");
    size_->setReadOnly(true);
    type_ = new QComboBox(memoryTab);
    type_->setObjectName("Type");
    for (const RegionTypeInfo& type : kRegionTypes) type_->addItem(toQ(type.comboText));
    type_->setCurrentIndex(static_cast<int>(RegionType::Other));
    auto* memoryAdd = new QPushButton(action, memoryTab);
    memoryAdd->setObjectName("MemoryTabButton");
    auto* memoryForm = new QFormLayout(memoryTab);
    memoryForm->addRow(QStringLiteral("Start Address:"), start_);
    memoryForm->addRow(QStringLiteral("Memory Bank:"), bank_);
    memoryForm->addRow(QStringLiteral("Size:"), size_);
    memoryForm->addRow(QStringLiteral("Type:"), type_);
    memoryForm->addRow(QString(), memoryAdd);

    auto* externalTab = new QWidget;
    auto* externalAdd = new QPushButton(action, externalTab);
    externalAdd->setObjectName("ExternalTabButton");
    auto* externalLayout = new QVBoxLayout(externalTab);
    externalLayout->addStretch();
    externalLayout->addWidget(externalAdd, 0, Qt::AlignRight);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(memoryTab, QStringLiteral("48/128K"));
    tabs_->addTab(externalTab, QStringLiteral("External load"));

    // Both tabs' buttons take the values of the "48/128K" tab.
    connect(memoryAdd, &QPushButton::clicked, this, &QDialog::accept);
    connect(externalAdd, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_);
}

void AddBinaryDialog::setRecord(const BinaryRecord& record) {
    fileName_->setText(toQ(record.file));
    description_->setText(toQ(record.description));
    start_->setValue(record.start);
    unlistedBank_ = record.bank;
    bank_->setCurrentIndex(isValidBank(record.bank) ? record.bank : -1);
    size_->setText(QString::number(record.size));
    type_->setCurrentIndex(static_cast<int>(record.type()));
}

BinaryRecord AddBinaryDialog::record() const {
    BinaryRecord r;
    r.file = fromQ(fileName_->text());
    r.start = start_->value();
    r.size = leadingInt(fromQ(size_->text()));
    r.bank = bank_->currentIndex() >= 0 ? static_cast<std::uint8_t>(bank_->currentIndex()) : unlistedBank_;
    r.description = fromQ(description_->text());
    r.load = 0;
    r.flags = static_cast<std::uint64_t>(type_->currentIndex() >= 0 ? type_->currentIndex() : 0);
    return r;
}

void AddBinaryDialog::chooseFile() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Select binary file to load"), fileName_->text(),
                                                      QStringLiteral("All files (*)"));
    if (path.isEmpty()) return;
    fileName_->setText(path);
    size_->setText(QString::number(QFileInfo(path).size()));
}

}  // namespace quillo
