#pragma once
// "Internal fonts selection": a preview of characters 32..127 of the chosen
// built-in font. "O.K." and the close box choose it; "Cancel" does not.
#include <QDialog>

class QComboBox;
class QLabel;

namespace quillo {

class FontLibraryDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontLibraryDialog(QWidget* parent = nullptr);

    int index() const;
    bool cancelled() const { return cancelled_; }
    QComboBox* names() const { return names_; }
    const QImage& previewImage() const { return preview_; }

private:
    void showPreview();

    QComboBox* names_ = nullptr;
    QLabel* previewLabel_ = nullptr;
    QImage preview_;
    bool cancelled_ = false;
};

// The entry's characters 32..127 as 6 rows of 16, black on white.
QImage libraryPreview(int index);

}  // namespace quillo
