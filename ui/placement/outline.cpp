#include "outline.h"

#include <QPaintEvent>
#include <QPainter>

namespace zt {

QRegion Ring(const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return {};
    return QRegion(rect).subtracted(QRegion(rect.adjusted(1, 1, -1, -1)));
}

OutlineWindow::OutlineWindow(QList<QRect> outlines)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus),
      outlines_(std::move(outlines)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_NoSystemBackground);
    for (const QRect& r : outlines_)
        if (r.width() > 0 && r.height() > 0)
            bounds_ = bounds_.united(r);
    if (bounds_.isEmpty())
        bounds_ = QRect(0, 0, 1, 1);
    setGeometry(bounds_);
}

void OutlineWindow::ShowStep(int step) {
    const int n = int(outlines_.size());
    int first = 0; // the outlines first..last (0-based) show
    int last = std::min(step, n) - 1;
    if (step > n)
        first = step - n;
    showing_ = QRegion();
    for (int i = first; i <= last; ++i)
        showing_ += Ring(outlines_[i]);
    if (showing_.isEmpty()) {
        hide();
        return;
    }
    // Only the outline that came or went is painted again (setMask asks for
    // it): forty overlapping outlines make a region of thousands of
    // rectangles, and painting or flushing all of it at every step would
    // take far longer than the step.
    setMask(showing_.translated(-bounds_.topLeft()));
    if (!isVisible())
        show();
}

void OutlineWindow::paintEvent(QPaintEvent* event) {
    // A dotted line that shows on dark and light screens alike. Only the
    // lines themselves are filled: a fill of the whole window, however
    // clipped, is large enough for Qt to share it out to a pool of threads
    // that would stay for the rest of the run.
    QPainter painter(this);
    const QBrush dots(Qt::black, Qt::Dense4Pattern);
    for (const QRect& r : event->region().intersected(showing_.translated(-bounds_.topLeft()))) {
        painter.fillRect(r, Qt::white);
        painter.fillRect(r, dots);
    }
}

} // namespace zt
