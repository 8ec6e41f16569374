#include "placement.h"

#include <QWidget>

#include "framing.h"

namespace zt {

QPoint DialogPosition(const QRect& mainOuter, int mainClientHeight, QSize dialogOuter) {
    int left = mainOuter.left() + (mainOuter.width() - dialogOuter.width()) / 2;
    int top = mainOuter.top() + mainOuter.height() - (mainClientHeight + dialogOuter.height()) / 2;
    return {left, top};
}

void PlaceOver(QWidget* dialog, const QWidget* main) {
    if (!dialog || !main) {
        return;
    }
    // Until the window manager has framed the dialog, it is taken to get the
    // same frame as the main window.
    const QRect mainOuter = OuterRect(main);
    const int mainClientHeight = main->height();
    PlaceFrame(
        dialog,
        [mainOuter, mainClientHeight](QSize outer) {
            return DialogPosition(mainOuter, mainClientHeight, outer);
        },
        KnownFrame(main));
}

} // namespace zt
