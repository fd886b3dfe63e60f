#include "pipeline/ui/interrupt_manager_window.h"

#include "common/byte_view.h"
#include "common/file_io.h"
#include "common/paths.h"
#include "common/ui/message_box.h"
#include "common/ui/qt_text.h"
#include "pipeline/interrupt_pieces.h"
#include "pipeline/ui/build_messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillo {

namespace {

const QColor kLowMemory(255, 96, 96);
const QColor kHighMemory(96, 224, 96);
constexpr int kLowMemoryPages = 128;  // below 32768 the ULA slows the table down

QSpinBox* addressField(QWidget* parent, const char* name, int value, const char* tip) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(name);
    field->setRange(0, 65535);
    field->setValue(value);
    field->setToolTip(QString::fromLatin1(tip));
    return field;
}

QSlider* pageSlider(QWidget* parent, const char* name, int value) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(0, 255);
    slider->setValue(value);
    return slider;
}

QLineEdit* shownValue(QWidget* parent, const char* name, const char* tip) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setMaximumWidth(80);
    field->setToolTip(QString::fromLatin1(tip));
    return field;
}

QString range(int start, int length) { return QStringLiteral("%1-%2").arg(start).arg(start + length); }

}  // namespace

InterruptManagerWindow::InterruptManagerWindow(InterruptFields& fields, std::string outputBase, BinaryList& binaries,
                                               RegionMap& map, QWidget* parent)
    : QDialog(parent), stored_(fields), outputBase_(std::move(outputBase)), binaries_(binaries), map_(map) {
    setWindowTitle(QStringLiteral("Interrupt Manager"));
    resize(490, 230);

    on_ = addressField(this, "InterruptOn", fields.onAddress, "Sets the adress of code to switch the interrupts on");
    off_ = addressField(this, "InterruptOff", fields.offAddress,
                        "Sets the adress of code to switch the interrupts off");
    call_ = addressField(this, "InterruptCall", fields.callAddress,
                         "Sets the adress which will be called by the interrupts");
    bank_ = new QComboBox(this);
    bank_->setObjectName("MemoryBank");
    for (const std::string_view text : kInterruptBankTexts) bank_->addItem(toQ(text));
    bank_->setCurrentIndex(fields.bank < kInterruptBankTexts.size() ? fields.bank : 0);
    bank_->setToolTip(QStringLiteral("Tables must be in Bank 16, but this sets the Bank paged in in the interrupt"));

    table_ = shownValue(this, "TableAddress",
                        "Address of the vector table which leads to a specific location. 257 bytes aligned to 256");
    tableSlider_ = pageSlider(this, "TableSlider", (fields.tableAddress >> 8) & 0xFF);
    vector_ = shownValue(this, "VectorCall", "Address which will be called by Interrupt");
    vectorSlider_ = pageSlider(this, "VectorSlider", fields.vectorValue & 0xFF);

    auto* grid = new QGridLayout;
    const auto row = [grid, this](int r, const char* label, QWidget* field, QWidget* extra = nullptr) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), this), r, 0);
        grid->addWidget(field, r, 1);
        if (extra) grid->addWidget(extra, r, 2);
    };
    row(0, "Interrupt on (9 Bytes):", on_);
    row(1, "Interrupt off (9 Bytes):", off_);
    row(2, "Interrupt call to:", call_);
    row(3, "Memory bank:", bank_);
    row(4, "Interrupt table address:", table_, tableSlider_);
    row(5, "Interrupt vector table call:", vector_, vectorSlider_);
    grid->setColumnStretch(2, 1);

    list_ = new QTreeWidget(this);
    list_->setObjectName("PieceList");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Adress"), QStringLiteral("Length")});
    for (const char* name : {"Interrupt on", "Interrupt off", "Vector Table", "Interrupt Handler"})
        new QTreeWidgetItem(list_, {QString::fromLatin1(name)});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setFixedHeight(list_->sizeHintForRow(0) * 4 + list_->header()->sizeHint().height() + 6);

    auto* createButton = new QPushButton(QStringLiteral("Create"), this);
    createButton->setObjectName("Create");
    connect(createButton, &QPushButton::clicked, this, &InterruptManagerWindow::create);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(createButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    for (QSpinBox* field : {on_, off_, call_}) connect(field, &QSpinBox::valueChanged, this, [this] { refreshRows(); });
    connect(bank_, &QComboBox::currentIndexChanged, this, [this] { refreshRows(); });
    for (QSlider* slider : {tableSlider_, vectorSlider_})
        connect(slider, &QSlider::valueChanged, this, [this] { refreshRows(); });
    refreshRows();
}

InterruptFields InterruptManagerWindow::fields() const {
    InterruptFields f = stored_;
    f.onAddress = on_->value();
    f.offAddress = off_->value();
    f.callAddress = call_->value();
    f.bank = static_cast<std::uint8_t>(bank_->currentIndex());
    f.tableAddress = tableSlider_->value() * 256;
    f.vectorValue = vectorSlider_->value();
    return f;
}

void InterruptManagerWindow::refreshRows() {
    const InterruptFields f = fields();
    table_->setText(QString::number(f.tableAddress));
    QPalette palette = table_->palette();
    palette.setColor(QPalette::Base, tableSlider_->value() < kLowMemoryPages ? kLowMemory : kHighMemory);
    table_->setPalette(palette);
    const int handler = f.vectorValue * 257;
    vector_->setText(QString::number(handler));

    const int handlerLength = interruptHandlerLength(f.bank);
    const auto setRow = [this](Row row, const QString& address, int length) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        item->setText(1, address);
        item->setText(2, QStringLiteral("%1 Bytes").arg(length));
    };
    setRow(OnRow, QString::number(f.onAddress), 9);
    setRow(OffRow, QString::number(f.offAddress), 9);
    setRow(TableRow, range(f.tableAddress, kVectorTableLength), kVectorTableLength);
    setRow(HandlerRow, range(handler, handlerLength), handlerLength);
}

void InterruptManagerWindow::create() {
    const InterruptFields f = fields();
    const std::vector<InterruptPiece> pieces = interruptPieces(f);
    QStringList problems;
    for (const InterruptPiece& piece : pieces)
        if (const auto problem = interruptPieceProblem(piece)) problems << toQ(*problem);
    if (!problems.isEmpty()) {
        showMessage(this, QStringLiteral("Error"),
                    QStringLiteral("Nothing was created:\n") + problems.join('\n'), QMessageBox::Warning);
        return;
    }
    bool created = false;
    for (const InterruptPiece& piece : pieces) created = writePiece(piece) || created;
    stored_ = f;
    if (created) stored_.used = 1;
    accept();
}

bool InterruptManagerWindow::writePiece(const InterruptPiece& piece) {
    const std::string path = outputBase_ + std::string(piece.fileSuffix);
    if (fileExists(path) &&
        !askYesNo(this, QStringLiteral("File %1 Exists").arg(toQ(fileNameOf(path))),
                  QStringLiteral("Action holded because file\n%1\nalready exists, overwrite it?").arg(toQ(path))))
        return false;
    if (const Status written = writeFileAtomic(path, asText(piece.bytes)); !written) {
        showError(this, QStringLiteral("Error"), written.error());
        return false;
    }
    BinaryRecord record;
    record.file = path;
    record.start = piece.start;
    record.size = static_cast<std::int32_t>(piece.bytes.size());
    record.description = std::string(piece.description);
    record.flags = static_cast<std::uint64_t>(RegionType::Interrupts);
    showRegionWarning(this, addRecord(binaries_, map_, std::move(record)));
    return true;
}

}  // namespace quillo
