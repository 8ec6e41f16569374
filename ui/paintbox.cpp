#include "paintbox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace zt {

PaintBox::PaintBox(QSize size, QWidget* parent)
    : QWidget(parent), image_(size, QImage::Format_RGB32) {
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
    own_ += r;
    update(r);
}

void PaintBox::paintEvent(QPaintEvent* event) {
    // Qt may merge our small rectangles into their bounding box; anything
    // beyond that box was asked for by the window system.
    const bool foreign = !(event->region() - own_.boundingRect()).isEmpty();
    own_ = QRegion();
    if (foreign && onFullPaint) {
        painting_ = true;
        onFullPaint();
        painting_ = false;
    }
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) {
        QPoint pos = event->position().toPoint();
        onMouseDown(pos.x(), pos.y());
    }
}

} // namespace zt
