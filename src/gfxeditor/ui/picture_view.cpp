#include "gfxeditor/ui/picture_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillo {

namespace {

// The marquee's dashes cycle through these.
constexpr QRgb kMarqueeGreys[4] = {0xFF000000, 0xFF505050, 0xFFA0A0A0, 0xFFFFFFFF};
constexpr int kDash = 4;

// Mask plane colours: set bits dark, clear ones light; ink pixels of the
// bitmap show through a little, so the mask can be drawn around them.
constexpr QRgb kMaskSetInk = 0xFF202020, kMaskSet = 0xFF484848, kMaskClearInk = 0xFFB8B8C8, kMaskClear = 0xFFFFFFFF;

}  // namespace

void renderToImage(QImage& image, const Picture& picture, const PictureRenderer& renderer, PixelRect area,
                   RenderOptions options) {
    area = clipToPicture(area, picture);
    auto* pixels = reinterpret_cast<std::uint32_t*>(image.bits());
    const std::ptrdiff_t stride = image.bytesPerLine() / 4;
    renderer.render(picture, pixels, stride, area, options);
    // Format_RGB32 wants the alpha byte set; the renderer writes whole bytes of 8 pixels.
    const int from = area.x / 8 * 8, to = std::min((area.x + area.width + 7) / 8 * 8, picture.pixelWidth());
    for (int y = area.y; y < area.y + area.height; ++y)
        for (std::uint32_t* p = pixels + y * stride + from; p < pixels + y * stride + to; ++p) *p |= 0xFF000000u;
}

QImage pictureImage(const Picture& picture, PixelRect area) {
    area = clipToPicture(area, picture);
    QImage image(picture.pixelWidth(), picture.pixelHeight(), QImage::Format_RGB32);
    renderToImage(image, picture, PictureRenderer(), area);
    return image.copy(area.x, area.y, area.width, area.height);
}

PictureView::PictureView(const Picture& picture, const PictureRenderer& renderer, Shows shows, QWidget* parent)
    : QWidget(parent), picture_(picture), renderer_(renderer), shows_(shows) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    refreshAll();
}

QSize PictureView::sizeHint() const { return {picture_.pixelWidth() * zoom_, picture_.pixelHeight() * zoom_}; }

void PictureView::setZoom(int zoom) {
    zoom_ = std::clamp(zoom, 1, 16);
    setFixedSize(sizeHint());
    update();
}

void PictureView::setGrid(bool on) {
    grid_ = on;
    update();
}

void PictureView::setHideAttributes(bool on) {
    options_.hideAttributes = on;
    refreshAll();
}

void PictureView::refreshAll() {
    if (image_.width() != picture_.pixelWidth() || image_.height() != picture_.pixelHeight())
        image_ = QImage(picture_.pixelWidth(), picture_.pixelHeight(), QImage::Format_RGB32);
    renderInto(picture_.bounds());
    setFixedSize(sizeHint());
    update();
}

void PictureView::refreshArea(PixelRect area) {
    area = clipToPicture(area, picture_);
    if (area.empty()) return;
    renderInto(area);
    update(toWidget(area));
}

void PictureView::renderInto(PixelRect area) {
    if (shows_ == Shows::Picture) return renderToImage(image_, picture_, renderer_, area, options_);
    auto* pixels = reinterpret_cast<std::uint32_t*>(image_.bits());
    const std::ptrdiff_t stride = image_.bytesPerLine() / 4;
    for (int y = area.y; y < area.y + area.height; ++y) {
        std::uint32_t* row = pixels + y * stride;
        for (int x = area.x; x < area.x + area.width; ++x) {
            const bool ink = picture_.pixel(x, y);
            row[x] = picture_.maskPixel(x, y) ? (ink ? kMaskSetInk : kMaskSet) : (ink ? kMaskClearInk : kMaskClear);
        }
    }
}

QRect PictureView::toWidget(PixelRect area) const {
    return {area.x * zoom_, area.y * zoom_, area.width * zoom_, area.height * zoom_};
}

QPoint PictureView::toPixel(QPointF position) const {
    return {static_cast<int>(std::floor(position.x() / zoom_)), static_cast<int>(std::floor(position.y() / zoom_))};
}

void PictureView::setSelection(PixelRect selection) {
    const QRect old = toWidget(selection_).adjusted(-2, -2, 2, 2);
    selection_ = selection;
    update(old);
    update(toWidget(selection_).adjusted(-2, -2, 2, 2));
}

void PictureView::setMarqueePhase(int phase) {
    marqueePhase_ = phase & 3;
    if (!selection_.empty()) update(toWidget(selection_).adjusted(-2, -2, 2, 2));
}

void PictureView::setPreview(std::optional<Preview> preview) {
    preview_ = preview;
    update();
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    // Only the exposed part of the 1:1 image, scaled without smoothing.
    const int left = exposed.left() / zoom_, top = exposed.top() / zoom_;
    const int right = std::min(exposed.right() / zoom_, image_.width() - 1);
    const int bottom = std::min(exposed.bottom() / zoom_, image_.height() - 1);
    if (right >= left && bottom >= top) {
        const QRect source(left, top, right - left + 1, bottom - top + 1);
        painter.drawImage(QRect(source.topLeft() * zoom_, source.size() * zoom_), image_, source);
    }
    if (grid_ && zoom_ >= 2) {
        if (zoom_ >= 8) {
            painter.setPen(QColor(128, 128, 128, 70));
            for (int x = left; x <= right + 1; ++x)
                if (x % 8) painter.drawLine(x * zoom_, exposed.top(), x * zoom_, exposed.bottom());
            for (int y = top; y <= bottom + 1; ++y)
                if (y % 8) painter.drawLine(exposed.left(), y * zoom_, exposed.right(), y * zoom_);
        }
        painter.setPen(QColor(96, 96, 160, 190));
        for (int x = left / 8 * 8; x <= right + 1; x += 8) painter.drawLine(x * zoom_, exposed.top(), x * zoom_, exposed.bottom());
        for (int y = top / 8 * 8; y <= bottom + 1; y += 8) painter.drawLine(exposed.left(), y * zoom_, exposed.right(), y * zoom_);
    }
    if (preview_) {
        painter.setPen(QPen(QColor(255, 0, 160), 1, Qt::DashLine));
        const auto centre = [this](int x, int y) { return QPointF((x + 0.5) * zoom_, (y + 0.5) * zoom_); };
        const Preview& p = *preview_;
        switch (p.kind) {
        case Preview::Kind::Line: painter.drawLine(centre(p.x0, p.y0), centre(p.x1, p.y1)); break;
        case Preview::Kind::Box: painter.drawRect(QRectF(centre(p.x0, p.y0), centre(p.x1, p.y1)).normalized()); break;
        case Preview::Kind::Circle:
            painter.drawEllipse(centre(p.x0, p.y0), p.radius * zoom_ + 0.5, p.radius * zoom_ + 0.5);
            break;
        }
    }
    if (!selection_.empty()) {
        // Marching ants: each dash takes the next grey, shifted by the phase.
        const QRect r = toWidget(selection_).adjusted(0, 0, -1, -1);
        const auto dashes = [&](QPoint from, QPoint step, int length) {
            for (int i = 0; i < length; i += kDash) {
                painter.setPen(QColor::fromRgb(kMarqueeGreys[(i / kDash + marqueePhase_) & 3]));
                const int n = std::min(kDash, length - i) - 1;
                painter.drawLine(from + step * i, from + step * (i + n));
            }
        };
        dashes(r.topLeft(), {1, 0}, r.width() + 1);
        dashes(r.bottomLeft(), {1, 0}, r.width() + 1);
        dashes(r.topLeft(), {0, 1}, r.height() + 1);
        dashes(r.topRight(), {0, 1}, r.height() + 1);
    }
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (button_ != Qt::NoButton) return;
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
    button_ = event->button();
    emit pressed(toPixel(event->position()), button_);
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pixel = toPixel(event->position());
    emit hovered(pixel);
    if (button_ != Qt::NoButton) emit moved(pixel);
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != button_) return;
    button_ = Qt::NoButton;
    emit released(toPixel(event->position()));
}

void PictureView::leaveEvent(QEvent*) { emit left(); }

}  // namespace quillo
