#pragma once
#include <QImage>
#include <QWidget>

namespace quillo {

// The 8-pixel strip along the bottom of the main window that shows the
// keyword help line in the Spectrum character set.
class HelpStrip : public QWidget {
    Q_OBJECT
public:
    explicit HelpStrip(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    // Width of the image: the widget width rounded down to whole character cells.
    int cellWidth() const { return width() / 8 * 8; }

signals:
    void widthChanged(int cellWidth);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
};

}  // namespace quillo
