#include "pipeline/ui/add_binary_dialog.h"

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

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

AddBinaryDialog::AddBinaryDialog(Mode mode, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Add binary file"));
    const QString action = mode == Mode::Add ? tr("Add") : tr("Update");

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

    description_ = new QLineEdit(qs(kDefaultBinaryDescription), this);
    description_->setObjectName("Description");

    auto* top = new QFormLayout;
    top->addRow(tr("File Name:"), fileRow);
    top->addRow(tr("Description:"), description_);

    // "48/128K": where the binary goes.
    auto* memoryTab = new QWidget;
    start_ = new QSpinBox(memoryTab);
    start_->setObjectName("StartAddress");
    start_->setRange(0, 65535);
    bank_ = new QComboBox(memoryTab);
    bank_->setObjectName("MemoryBank");
    for (const BankInfo& bank : kBanks) bank_->addItem(qs(bank.comboText));
    size_ = new QLineEdit(QStringLiteral("0"), memoryTab);
    size_->setObjectName("Size");
    size_->setReadOnly(true);
    type_ = new QComboBox(memoryTab);
    type_->setObjectName("Type");
    for (const RegionTypeInfo& type : kRegionTypes) type_->addItem(qs(type.comboText));
    type_->setCurrentIndex(static_cast<int>(RegionType::Other));
    auto* memoryAdd = new QPushButton(action, memoryTab);
    memoryAdd->setObjectName("MemoryTabButton");
    auto* memoryForm = new QFormLayout(memoryTab);
    memoryForm->addRow(tr("Start Address:"), start_);
    memoryForm->addRow(tr("Memory Bank:"), bank_);
    memoryForm->addRow(tr("Size:"), size_);
    memoryForm->addRow(tr("Type:"), type_);
    memoryForm->addRow(QString(), memoryAdd);

    auto* externalTab = new QWidget;
    auto* externalAdd = new QPushButton(action, externalTab);
    externalAdd->setObjectName("ExternalTabButton");
    auto* externalLayout = new QVBoxLayout(externalTab);
    externalLayout->addStretch();
    externalLayout->addWidget(externalAdd, 0, Qt::AlignRight);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(memoryTab, tr("48/128K"));
    tabs_->addTab(externalTab, tr("External load"));

    // Both tabs' buttons take the values of the "48/128K" tab.
    connect(memoryAdd, &QPushButton::clicked, this, &QDialog::accept);
    connect(externalAdd, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_);
}

void AddBinaryDialog::setRecord(const BinaryRecord& record) {
    fileName_->setText(QString::fromStdString(record.file));
    description_->setText(QString::fromStdString(record.description));
    start_->setValue(record.start);
    unlistedBank_ = record.bank;
    bank_->setCurrentIndex(isValidBank(record.bank) ? record.bank : -1);
    size_->setText(QString::number(record.size));
    type_->setCurrentIndex(static_cast<int>(record.type()));
}

BinaryRecord AddBinaryDialog::record() const {
    BinaryRecord r;
    r.file = fileName_->text().toStdString();
    r.start = start_->value();
    r.size = leadingInt(size_->text().toStdString());
    r.bank = bank_->currentIndex() >= 0 ? static_cast<std::uint8_t>(bank_->currentIndex()) : unlistedBank_;
    r.description = description_->text().toStdString();
    r.load = 0;
    r.flags = static_cast<std::uint64_t>(type_->currentIndex() >= 0 ? type_->currentIndex() : 0);
    return r;
}

void AddBinaryDialog::chooseFile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Select binary file to load"), fileName_->text(),
                                                      tr("All files (*)"));
    if (path.isEmpty()) return;
    fileName_->setText(path);
    size_->setText(QString::number(QFileInfo(path).size()));
}

}  // namespace quillo
