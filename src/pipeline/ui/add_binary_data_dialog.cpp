#include "pipeline/ui/add_binary_data_dialog.h"

#include "common/ui/qt_text.h"
#include "common/ui/message_box.h"

#include "pipeline/binary_data_writer.h"
#include "pipeline/ui/build_messages.h"
#include "common/file_io.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quillo {

namespace {

void mark(QWidget* field, bool bad) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, bad ? QColor(Qt::red) : QColor(Qt::white));
    field->setPalette(palette);
}

}  // namespace

AddBinaryDataDialog::AddBinaryDataDialog(BinaryList& list, RegionMap& map, BinaryDataRequest request, QWidget* parent)
    : QDialog(parent), list_(list), map_(map), data_(std::move(request.data)) {
    setWindowTitle(QStringLiteral("Add binary data"));

    fileName_ = new QLineEdit(request.fileName, this);
    fileName_->setObjectName("FileName");
    start_ = new QSpinBox(this);
    start_->setObjectName("StartAddress");
    start_->setRange(0, 65535);
    start_->setValue(request.start);
    bank_ = new QComboBox(this);
    bank_->setObjectName("MemoryBank");
    for (const BankInfo& bank : kBanks) bank_->addItem(toQ(bank.comboText));
    bank_->setCurrentIndex(isValidBank(request.bank) ? request.bank : 0);
    description_ = new QLineEdit(request.description, this);
    description_->setObjectName("Description");
    auto* size = new QLineEdit(QString::number(data_.size()), this);
    size->setObjectName("Size");
    size->setReadOnly(true);
    type_ = new QComboBox(this);
    type_->setObjectName("Type");
    for (const RegionTypeInfo& type : kRegionTypes) type_->addItem(toQ(type.comboText));
    type_->setCurrentIndex(static_cast<int>(request.type));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("File Name:"), fileName_);
    form->addRow(QStringLiteral("Start Address:"), start_);
    form->addRow(QStringLiteral("Memory Bank:"), bank_);
    form->addRow(QStringLiteral("Descrioption:"), description_);
    form->addRow(QStringLiteral("Size:"), size);
    form->addRow(QStringLiteral("Type:"), type_);

    auto* ok = new QPushButton(QStringLiteral("O.K."), this);
    ok->setObjectName("Ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName("Cancel");
    connect(ok, &QPushButton::clicked, this, &AddBinaryDataDialog::write);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(fileName_, &QLineEdit::textChanged, this, &AddBinaryDataDialog::checkFields);
    connect(start_, &QSpinBox::valueChanged, this, &AddBinaryDataDialog::checkFields);
    connect(bank_, &QComboBox::currentIndexChanged, this, &AddBinaryDataDialog::checkFields);
    checkFields();
}

void AddBinaryDataDialog::checkFields() {
    startMarked_ = !map_.rangeIsFree(start_->value(), bank_->currentIndex(), static_cast<std::int32_t>(data_.size()));
    fileNameMarked_ = fileExists(fromQ(fileName_->text()));
    mark(start_, startMarked_);
    mark(fileName_, fileNameMarked_);
}

void AddBinaryDataDialog::write() {
    const QString path = fileName_->text();
    if (fileExists(fromQ(path))) {
        if (!askYesNo(this, QStringLiteral("File exists"), path + QStringLiteral(" exists\nOverwrite?"))) return;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data_.constData());
    const DataWriteResult result = writeDataAsBinary(
        fromQ(path), {bytes, static_cast<std::size_t>(data_.size())}, start_->value(), bank_->currentIndex(),
        fromQ(description_->text()), static_cast<RegionType>(type_->currentIndex()), list_, map_);
    if (!result.ok()) {
        showMessage(this, QStringLiteral("Error"), QStringLiteral("File ") + path + QStringLiteral(" cannot be written: ") + toQ(result.written.error().detail),
                    QMessageBox::Critical);
        return;
    }
    showRegionWarning(this, result.region);
    accept();
}

}  // namespace quillo
