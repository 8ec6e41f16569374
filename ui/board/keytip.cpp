#include "keytip.h"

#include <QEvent>

namespace zt {

KeyTip::KeyTip(QWidget* board, QWidget* window) : QLabel(board), window_(window) {
    setObjectName(QStringLiteral("KeyTip"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    // Light on dark, so it reads on the board's rim whatever its colours.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 0));
    colours.setColor(QPalette::WindowText, QColor(255, 255, 255));
    setPalette(colours);
    hide();
}

void KeyTip::ShowLine(const QString& text, QRect place) {
    setText(text);
    setGeometry(place);
    if (isHidden()) {
        show();
        raise();
        Watch(true);
    }
}

void KeyTip::Dismiss() {
    if (!isHidden()) {
        hide();
        Watch(false);
    }
}

void KeyTip::Watch(bool on) {
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

bool KeyTip::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    // A key that is a shortcut reaches no widget: its override asks first.
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        Dismiss();
        break;
    default:
        break;
    }
    return false;
}

} // namespace zt
