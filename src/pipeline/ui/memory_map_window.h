#pragma once
#include <QDialog>
#include <QImage>

class QLabel;

namespace quillo {

class RegionMap;

// "Memory Map": the region map as a 512 x 512 picture with a label per row
// and a legend of the region types. It draws the map as it is when the
// window opens; refresh() draws it again.
class MemoryMapWindow : public QDialog {
    Q_OBJECT
public:
    explicit MemoryMapWindow(const RegionMap& map, QWidget* parent = nullptr);

    void refresh();
    const QImage& picture() const { return picture_; }

private:
    const RegionMap& map_;
    QImage picture_;
    QLabel* pictureLabel_ = nullptr;
};

// Opens the window modally and returns when it is closed.
void showMemoryMap(QWidget* parent, const RegionMap& map);

}  // namespace quillo
