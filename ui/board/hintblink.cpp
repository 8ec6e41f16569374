#include "hintblink.h"

#include <QEvent>
#include <QWidget>

namespace zt {

namespace {

// The frame on and off every quarter second: it catches the eye at once and
// still lets the tile be seen.
constexpr int BlinkMs = 250;

} // namespace

HintBlink::HintBlink(QWidget* window, std::function<void(int c, int r)> redrawCell)
    : QObject(window), window_(window), redrawCell_(std::move(redrawCell)) {
    timer_.setInterval(BlinkMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (cell_) {
            lit_ = !lit_;
            redrawCell_(cell_->c, cell_->r);
        }
    });
}

void HintBlink::Start(Cell cell) {
    End();
    cell_ = cell;
    lit_ = true;
    // Lit before the first tick: the frame is there in the same frame of the
    // screen as the key that asked for it.
    redrawCell_(cell.c, cell.r);
    timer_.start();
    Watch(true);
}

void HintBlink::End() {
    if (!cell_) {
        return;
    }
    const Cell cell = *cell_;
    cell_.reset();
    timer_.stop();
    Watch(false);
    redrawCell_(cell.c, cell.r);
    emit Ended();
}

bool HintBlink::FrameOn(int c, int r, bool keyboardFrame) const {
    if (cell_ && *cell_ == Cell{c, r}) {
        return lit_;
    }
    return keyboardFrame;
}

// The window's own widgets only: keys go to the one with the focus, clicks to
// the one under the mouse.
void HintBlink::Watch(bool on) {
    QList<QWidget*> widgets = window_->findChildren<QWidget*>();
    widgets.append(window_);
    for (QWidget* w : widgets) {
        if (on) {
            w->installEventFilter(this);
        } else {
            w->removeEventFilter(this);
        }
    }
}

bool HintBlink::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    // A key that is a shortcut reaches no widget: its override asks first.
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        End();
        break;
    default:
        break;
    }
    return false;
}

} // namespace zt
