#include "dialogplacement.h"

#include <QWidget>

#include "framing.h"

namespace zt {

namespace {

// Centred on the main window across, and centred on its client area
// reckoned up from the main window's lower edge.
QPoint DialogPosition(const QRect& mainOuter, int mainClientHeight, QSize dialogOuter) {
    const int left = CentredRect(dialogOuter, mainOuter).left();
    const int top =
        mainOuter.top() + mainOuter.height() - (mainClientHeight + dialogOuter.height()) / 2;
    return {left, top};
}

} // namespace

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
