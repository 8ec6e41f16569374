#include "framing.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace zt {

namespace {

const char* const WatcherName = "zt-frame-watcher";

// Waits for the window manager's frame of one showing; places the window
// again if the frame is not the one guessed.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget* window, FramePlace where, QMargins guess)
        : QObject(window), window_(window), where_(std::move(where)), guess_(guess) {
        setObjectName(QLatin1String(WatcherName));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            if (window_->isVisible()) {
                const QMargins frame = KnownFrame(window_);
                if (!frame.isNull()) {
                    if (frame != guess_)
                        MoveFrameTo(window_, where_(window_->size().grownBy(frame)));
                    deleteLater();
                    window_->removeEventFilter(this);
                }
            }
            break;
        case QEvent::Hide:
            window_->removeEventFilter(this);
            deleteLater();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    FramePlace where_;
    QMargins guess_;
};

} // namespace

QRect CentredRect(QSize size, const QRect& around) {
    return QRect(around.x() + (around.width() - size.width()) / 2,
                 around.y() + (around.height() - size.height()) / 2, size.width(), size.height());
}

QMargins KnownFrame(const QWidget* window) {
    const QWindow* handle = window ? window->windowHandle() : nullptr;
    if (!handle)
        return {};
    // While the window manager takes a window into its frame, Qt can read the
    // frame off a frame window not laid out yet, still 1 x 1: margins as
    // negative as the window is large. That is no frame yet.
    const QMargins frame = handle->frameMargins();
    if (frame.left() < 0 || frame.top() < 0 || frame.right() < 0 || frame.bottom() < 0)
        return {};
    return frame;
}

QRect OuterRect(const QWidget* window, QMargins guess) {
    const QMargins frame = KnownFrame(window);
    if (!frame.isNull())
        return window->geometry().marginsAdded(frame);
    // Until the frame is known, the window's position is where its frame
    // will stand.
    return QRect(window->geometry().topLeft(), window->size().grownBy(guess));
}

void MoveFrameTo(QWidget* window, QPoint topLeft) {
    window->move(topLeft);
    // move() counts from the frame Qt has read, which is none before the
    // window manager has framed the window, and can be a wrong split of the
    // right one while it frames it (all of it on the right and below, say).
    // So the window system is also told that the position is the frame's (on
    // X11: north-west gravity instead of static): the window manager, which
    // knows its frame, puts the frame there.
    if (window->windowHandle())
        window->windowHandle()->setFramePosition(topLeft);
}

void PlaceFrame(QWidget* window, const FramePlace& where, QMargins guess) {
    if (!window)
        return;
    delete window->findChild<QObject*>(QLatin1String(WatcherName), Qt::FindDirectChildrenOnly);
    const QMargins frame = KnownFrame(window);
    MoveFrameTo(window, where(window->size().grownBy(frame.isNull() ? guess : frame)));
    if (frame.isNull())
        new FrameWatcher(window, where, guess);
}

} // namespace zt
