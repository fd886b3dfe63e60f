#pragma once
// "Import": a PC picture turned into the graphics editor's picture while the
// thresholds and the mode are tuned, with a preview of the result.
#include "gfxeditor/pc_import.h"
#include "gfxeditor/picture_renderer.h"

#include <QDialog>
#include <QString>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QImage;
class QLabel;
class QRadioButton;
class QSlider;

namespace quillo {

struct GfxSession;
class PictureView;

// "Lock Channels" couples the colour channels: moving a "1" slider of red,
// green or blue moves the other two colours' "1" sliders to the same value,
// and likewise for the "2" sliders. The "Bri" sliders stay free.
class ImportWindow : public QDialog {
    Q_OBJECT
public:
    // The import already holds the taken picture; the window converts it at once.
    ImportWindow(GfxSession& session, PcImport& import, QWidget* parent = nullptr);

    ImportThresholds thresholds() const;
    void setThreshold(ImportSlider slider, int value);
    void setMode(ImportMode mode);
    // Ctrl+V: takes the clipboard's picture in place of the current one.
    void pasteFromClipboard();

private:
    QWidget* buildControls();
    void buildMenus();
    void sliderMoved(int index, int value);
    void greyChanged();
    void reconvert();

    GfxSession& session_;
    PcImport& import_;
    PictureRenderer renderer_;
    PictureView* view_ = nullptr;
    std::array<QSlider*, kImportSliderCount> sliders_{};
    std::array<QLabel*, kImportSliderCount> values_{};
    std::array<QRadioButton*, 4> modes_{};
    QCheckBox* lock_ = nullptr;
    QComboBox* grey_ = nullptr;
    bool coupling_ = false;
};

// The clipboard's picture, cut to multiples of 8 at the top left, through the
// Import window; false (and nothing changed) without a picture or when refused.
bool importPictureFromClipboard(QWidget* parent, GfxSession& session);
// A PNG, JPEG, GIF or BMP file through the Import window; a file that does not
// load gives a message naming it.
bool importPictureFile(QWidget* parent, GfxSession& session, const QString& path);

}  // namespace quillo
