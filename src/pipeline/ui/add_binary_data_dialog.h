#pragma once
#include "pipeline/binary_list.h"
#include "pipeline/region_map.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace quillo {

// What another tool hands to "Add binary data".
struct BinaryDataRequest {
    QByteArray data;
    QString fileName;     // suggested file name
    QString description;
    int start = 0;
    int bank = 0;
    RegionType type = RegionType::Other;
};

// "Add binary data": places a block of data as a new binary. While the user
// edits, the start field turns red when the range is taken and the file
// name red when the file exists. "O.K." writes the data as a binary (asking
// before overwriting) and adds its record; the dialog is then accepted.
class AddBinaryDataDialog : public QDialog {
    Q_OBJECT
public:
    AddBinaryDataDialog(BinaryList& list, RegionMap& map, BinaryDataRequest request, QWidget* parent = nullptr);

    bool startMarked() const { return startMarked_; }
    bool fileNameMarked() const { return fileNameMarked_; }

private:
    void checkFields();
    void write();

    BinaryList& list_;
    RegionMap& map_;
    QByteArray data_;
    QLineEdit* fileName_ = nullptr;
    QSpinBox* start_ = nullptr;
    QComboBox* bank_ = nullptr;
    QLineEdit* description_ = nullptr;
    QComboBox* type_ = nullptr;
    bool startMarked_ = false;
    bool fileNameMarked_ = false;
};

}  // namespace quillo
