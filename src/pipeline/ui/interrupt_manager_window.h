#pragma once
#include "app/document.h"
#include "pipeline/binary_list.h"
#include "pipeline/region_map.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTreeWidget;

namespace quillo {

struct InterruptPiece;

// "Interrupt Manager": the addresses of the interrupt-mode-2 pieces and
// "Create", which writes them beside the output file and adds them to the
// binary list. It opens with the document's last choices.
class InterruptManagerWindow : public QDialog {
    Q_OBJECT
public:
    enum Row { OnRow, OffRow, TableRow, HandlerRow };

    // outputBase: the output file's full path without extension.
    InterruptManagerWindow(InterruptFields& fields, std::string outputBase, BinaryList& binaries, RegionMap& map,
                           QWidget* parent = nullptr);

    // The choices as the window shows them.
    InterruptFields fields() const;
    // Checks, asks about existing files, writes and registers; closes the
    // window unless a piece does not fit.
    void create();

    QSpinBox* onField() const { return on_; }
    QSpinBox* offField() const { return off_; }
    QSpinBox* callField() const { return call_; }
    QComboBox* bankCombo() const { return bank_; }
    QSlider* tableSlider() const { return tableSlider_; }
    QSlider* vectorSlider() const { return vectorSlider_; }
    QLineEdit* tableField() const { return table_; }
    QLineEdit* vectorField() const { return vector_; }
    QTreeWidget* pieceList() const { return list_; }

private:
    void refreshRows();
    bool writePiece(const InterruptPiece& piece);

    InterruptFields& stored_;
    std::string outputBase_;
    BinaryList& binaries_;
    RegionMap& map_;
    QSpinBox* on_ = nullptr;
    QSpinBox* off_ = nullptr;
    QSpinBox* call_ = nullptr;
    QComboBox* bank_ = nullptr;
    QSlider* tableSlider_ = nullptr;
    QSlider* vectorSlider_ = nullptr;
    QLineEdit* table_ = nullptr;
    QLineEdit* vector_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

}  // namespace quillo
