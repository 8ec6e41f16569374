#include "paintbox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace zt {

PaintBox::PaintBox(QSize size, QWidget* parent)
    : QWidget(parent), logical_(size), image_(size, QImage::Format_RGB32) {
    image_.fill(Qt::black);
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PaintBox::Changed(const QRect& r) {
    // Updates of a hidden widget are dropped by Qt; its first showing is a
    // real paint request and must not be taken for one of ours.
    if (painting_ || !isVisible() || r.isEmpty()) {
        return;
    }
    // In the widget's pixels, rounded outwards.
    const qreal scale = zoom_ / ratio_;
    const QRect logical = scale == 1 ? r
                                     : QRectF(r.x() * scale, r.y() * scale, r.width() * scale,
                                              r.height() * scale)
                                           .toAlignedRect();
    own_ += logical;
    update(logical);
}

void PaintBox::SetZoom(qreal zoom) {
    zoom_ = zoom;
    setFixedSize(qRound(logical_.width() * zoom), qRound(logical_.height() * zoom));
}

void PaintBox::SetRatio(qreal ratio) {
    if (ratio == ratio_) {
        return;
    }
    ratio_ = ratio;
    image_ = QImage(qRound(logical_.width() * ratio), qRound(logical_.height() * ratio),
                    QImage::Format_RGB32);
    image_.fill(Qt::black);
    own_ = QRegion();
    if (!painting_) {
        update();
    }
}

void PaintBox::paintEvent(QPaintEvent* event) {
    // Qt may merge our small rectangles into their bounding box; anything
    // beyond that box was asked for by the window system.
    const bool foreign =
        !(event->region() - own_.boundingRect()).isEmpty() || devicePixelRatioF() * zoom_ != ratio_;
    own_ = QRegion();
    if (foreign && onFullPaint) {
        painting_ = true;
        onFullPaint();
        painting_ = false;
    }
    QPainter p(this);
    if (ratio_ == zoom_) {
        p.drawImage(event->rect(), image_, event->rect());
        return;
    }
    // Undo the screen's scaling: one pixel of the image is one pixel of the
    // screen, copied, never resampled. Qt clips to what needs painting.
    p.scale(zoom_ / ratio_, zoom_ / ratio_);
    p.drawImage(QPoint(0, 0), image_);
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) {
        const QPointF pos = event->position() / zoom_;
        onMouseDown(static_cast<int>(std::floor(pos.x())), static_cast<int>(std::floor(pos.y())));
    }
}

} // namespace zt
