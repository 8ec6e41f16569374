#include "inputwatch.h"

#include <QEvent>
#include <QWidget>

namespace zt {

InputWatch::InputWatch(QWidget* window, std::function<void()> seen)
    : QObject(window), window_(window), seen_(std::move(seen)) {}

void InputWatch::Start() {
    if (!watching_) {
        Watch(true);
    }
}

void InputWatch::Stop() {
    if (watching_) {
        Watch(false);
    }
}

// Keys go to the widget with the focus, clicks to the one under the mouse.
void InputWatch::Watch(bool on) {
    watching_ = on;
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

bool InputWatch::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    // A key that is a shortcut reaches no widget: its override asks first.
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watching_) {
            Stop();
            seen_();
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace zt
