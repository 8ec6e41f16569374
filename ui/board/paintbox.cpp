#include "paintbox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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
    // In logical pixels, rounded outwards.
    const QRect logical = ratio_ == 1 ? r
                                      : QRectF(r.x() / ratio_, r.y() / ratio_, r.width() / ratio_,
                                               r.height() / ratio_)
                                            .toAlignedRect();
    own_ += logical;
    update(logical);
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
        !(event->region() - own_.boundingRect()).isEmpty() || devicePixelRatioF() != ratio_;
    own_ = QRegion();
    if (foreign && onFullPaint) {
        painting_ = true;
        onFullPaint();
        painting_ = false;
    }
    QPainter p(this);
    if (ratio_ == 1) {
        p.drawImage(event->rect(), image_, event->rect());
        return;
    }
    // Undo the screen's scaling: one pixel of the image is one pixel of the
    // screen, copied, never resampled. Qt clips to what needs painting.
    p.scale(1 / ratio_, 1 / ratio_);
    p.drawImage(QPoint(0, 0), image_);
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) {
        QPoint pos = event->position().toPoint();
        onMouseDown(pos.x(), pos.y());
    }
}

} // namespace zt
