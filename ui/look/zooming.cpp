#include "zooming.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>

namespace zt {

QFont ZoomedFont(QFont font, int percent) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(Zoomed(font.pixelSize(), percent));
    } else {
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    }
    return font;
}

void ZoomDialog(QWidget* dialog, int percent) {
    const QList<QWidget*> children = dialog->findChildren<QWidget*>();
    // Everything at 100 % is noted before anything changes, as a child's
    // font follows its parent's.
    const QSize size = Base(dialog, "baseFixedSize", dialog->size());
    const QFont font = Base(dialog, "baseFont", dialog->font());
    for (QWidget* w : children) {
        Base(w, "baseGeometry", w->geometry());
        if (w->testAttribute(Qt::WA_SetFont)) {
            Base(w, "baseFont", w->font());
        }
    }
    dialog->setFixedSize(Zoomed(size.width(), percent), Zoomed(size.height(), percent));
    dialog->setFont(ZoomedFont(font, percent));
    for (QWidget* w : children) {
        // A layout places its own widgets.
        if (!w->parentWidget()->layout()) {
            w->setGeometry(Zoomed(w->property("baseGeometry").toRect(), percent));
        }
        const QVariant ownFont = w->property("baseFont");
        if (ownFont.isValid()) {
            w->setFont(ZoomedFont(ownFont.value<QFont>(), percent));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QSize icon = Base(button, "baseIconSize", button->iconSize());
            button->setIconSize(icon * (percent / 100.0));
        }
        auto* label = qobject_cast<QLabel*>(w);
        if (label && !label->pixmap().isNull()) {
            const QPixmap picture = Base(label, "basePixmap", label->pixmap());
            if (percent == 100) {
                label->setPixmap(picture);
                continue;
            }
            // Smoothed, never pixel-doubled.
            QPixmap zoomed = picture.scaled(picture.size() * (percent / 100.0),
                                            Qt::KeepAspectRatio, Qt::SmoothTransformation);
            zoomed.setDevicePixelRatio(picture.devicePixelRatio());
            label->setPixmap(zoomed);
        }
    }
}

} // namespace zt
