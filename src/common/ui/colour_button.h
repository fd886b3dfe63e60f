#pragma once
#include <QToolButton>

namespace quillo {

// A button showing a colour swatch; a click opens the system colour chooser
// and a chosen colour is taken and reported (a cancelled chooser changes
// nothing). Colours are Windows colour values 0x00BBGGRR.
class ColourButton : public QToolButton {
    Q_OBJECT
public:
    explicit ColourButton(QWidget* parent = nullptr);

    int colour() const { return bgr_; }
    void setColour(int bgr);

signals:
    void colourChosen(int bgr);

private:
    void choose();
    int bgr_ = 0;
};

// The Windows colour value of a QColor.
int bgrFromColour(const QColor& colour);

}  // namespace quillo
