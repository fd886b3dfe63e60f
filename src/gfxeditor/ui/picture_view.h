#pragma once
// The zoomable view of the picture (or of its mask plane). It keeps a 1:1
// image of the picture, redraws only what changed into it, and paints the
// exposed part scaled, so a stroke costs the same at any zoom.
#include "gfxeditor/picture.h"
#include "gfxeditor/picture_renderer.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace quillo {

// Renders the area of the picture into a 1:1 image of the picture's size
// (Format_RGB32), opaque.
void renderToImage(QImage& image, const Picture& picture, const PictureRenderer& renderer, PixelRect area,
                   RenderOptions options = {});
// The whole picture, or a part, with its real colours.
QImage pictureImage(const Picture& picture, PixelRect area);

class PictureView : public QWidget {
    Q_OBJECT
public:
    enum class Shows { Picture, Mask };
    PictureView(const Picture& picture, const PictureRenderer& renderer, Shows shows, QWidget* parent = nullptr);

    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    void setGrid(bool on);
    void setHideAttributes(bool on);
    bool hideAttributes() const { return options_.hideAttributes; }

    // After a new picture size or palette phase: everything again.
    void refreshAll();
    void refreshArea(PixelRect area);
    const QImage& image() const { return image_; }

    void setSelection(PixelRect selection);
    void setMarqueePhase(int phase);
    // The dragged shape's outline in picture pixels.
    struct Preview {
        enum class Kind { Line, Box, Circle } kind;
        int x0, y0, x1, y1, radius;
    };
    void setPreview(std::optional<Preview> preview);

    QSize sizeHint() const override;

signals:
    void pressed(QPoint pixel, Qt::MouseButton button);
    void moved(QPoint pixel);
    void released(QPoint pixel);
    void hovered(QPoint pixel);  // outside the picture too
    void left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPoint toPixel(QPointF position) const;
    QRect toWidget(PixelRect area) const;
    void renderInto(PixelRect area);

    const Picture& picture_;
    const PictureRenderer& renderer_;
    Shows shows_;
    RenderOptions options_;
    QImage image_;
    int zoom_ = 2;
    bool grid_ = false;
    PixelRect selection_;
    int marqueePhase_ = 0;
    std::optional<Preview> preview_;
    Qt::MouseButton button_ = Qt::NoButton;
};

}  // namespace quillo
