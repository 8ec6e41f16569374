#include "keytip.h"

#include "inputwatch.h"

namespace zt {

KeyTip::KeyTip(QWidget* board, QWidget* window)
    : QLabel(board), watch_(new InputWatch(window, [this] { Dismiss(); })) {
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
        watch_->Start();
    }
}

void KeyTip::Dismiss() {
    if (!isHidden()) {
        hide();
        watch_->Stop();
    }
}

} // namespace zt
