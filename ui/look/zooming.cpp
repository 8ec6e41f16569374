#include "zooming.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include "glyphs.h"

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
            // Zoomed, its glyph also with its larger art, once.
            const QString glyph = button->property("glyph").toString();
            if (percent > 100 && !glyph.isEmpty() && !button->property("largerGlyph").toBool()) {
                button->setIcon(GlyphIcon(glyph, button->property("glyphImages").toInt(), true));
                button->setProperty("largerGlyph", true);
            }
        }
        auto* label = qobject_cast<QLabel*>(w);
        if (label && !label->pixmap().isNull()) {
            const QPixmap picture = Base(label, "basePixmap", label->pixmap());
            if (percent == 100) {
                label->setPixmap(picture);
                continue;
            }
            // From its larger art where it has some; smoothed, never
            // pixel-doubled.
            QPixmap source = picture;
            const QString name = label->property("picture").toString();
            if (!name.isEmpty()) {
                const QPixmap more = GlyphImage(
                    WithPixels(name, ArtTimes(dialog->devicePixelRatioF() * percent / 100)));
                if (!more.isNull()) {
                    source = more;
                }
            }
            QPixmap zoomed = source.scaled(picture.size() * (percent / 100.0),
                                            Qt::KeepAspectRatio, Qt::SmoothTransformation);
            zoomed.setDevicePixelRatio(picture.devicePixelRatio());
            label->setPixmap(zoomed);
        }
    }
}

} // namespace zt
