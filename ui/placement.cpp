#include "placement.h"

#include <QWidget>

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
    // Before its first showing a dialog has no frame yet; it will get the same
    // decoration as the main window, so reckon with that one's.
    QSize outer = dialog->frameGeometry().size();
    if (!dialog->testAttribute(Qt::WA_WState_Created) || !dialog->isVisible()) {
        QSize frame = main->frameGeometry().size() - main->size();
        outer = dialog->size() + frame;
    }
    // move() places the frame's top-left corner of a top-level window.
    dialog->move(DialogPosition(main->frameGeometry(), main->height(), outer));
}

} // namespace zt
