#pragma once
#include "pipeline/binary_list.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace quillo {

// "Add binary file": picks a file and its placement. In Edit mode it is
// filled from a record and its buttons read "Update". The buttons of both
// tabs accept the dialog with the same record.
class AddBinaryDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };
    explicit AddBinaryDialog(Mode mode, QWidget* parent = nullptr);

    void setRecord(const BinaryRecord& record);
    // The fields as a record: load value 0, flags = the chosen type.
    BinaryRecord record() const;

private:
    void chooseFile();

    QLineEdit* fileName_ = nullptr;
    QLineEdit* description_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QSpinBox* start_ = nullptr;
    QComboBox* bank_ = nullptr;
    QLineEdit* size_ = nullptr;
    QComboBox* type_ = nullptr;
    std::uint8_t unlistedBank_ = 0;  // an edited record's bank outside the combo
};

}  // namespace quillo
