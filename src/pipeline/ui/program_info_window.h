#pragma once
#include "pipeline/program_info.h"

#include <QDialog>

class QTreeWidget;

namespace quillo {

// "Program info": the project settings of the open documents as a tree.
class ProgramInfoWindow : public QDialog {
    Q_OBJECT
public:
    ProgramInfoWindow(const std::vector<InfoItem>& items, QWidget* parent = nullptr);
    QTreeWidget* tree() const { return tree_; }

private:
    QTreeWidget* tree_ = nullptr;
};

// Opens the window modally and returns when it is closed.
void showProgramInfo(QWidget* parent, const std::vector<InfoItem>& items);

}  // namespace quillo
