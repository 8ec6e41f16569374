// A window laid out at 100 % shown at another size: places, sizes, fonts,
// icons and pictures times the zoom, reckoned each time from what they were
// at 100 %, which each widget keeps from the first time it is zoomed.
#pragma once

#include <QFont>
#include <QRect>
#include <QVariant>
#include <QWidget>

namespace zt {

inline int Zoomed(int length, int percent) {
    return qRound(length * percent / 100.0);
}

inline QRect Zoomed(const QRect& r, int percent) {
    return {Zoomed(r.x(), percent), Zoomed(r.y(), percent), Zoomed(r.width(), percent),
            Zoomed(r.height(), percent)};
}

// What a widget had at 100 % under name, noted the first time it is asked for.
template <typename T> T Base(QWidget* w, const char* name, T now) {
    const QVariant noted = w->property(name);
    if (noted.isValid()) {
        return noted.value<T>();
    }
    w->setProperty(name, now);
    return now;
}

// The font at percent, in pixels or points as it was given.
QFont ZoomedFont(QFont font, int percent);

// A fixed-size dialog and everything in it at percent: its size, every
// child's place and size, the fonts set on it or a child, the icons on its
// buttons and the pictures in its labels.
void ZoomDialog(QWidget* dialog, int percent);

} // namespace zt
