#include "glyphs.h"

#include <QHash>
#include <QWidget>

#include <QAbstractButton>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <algorithm>

namespace zt {

namespace {

QPixmap Masked(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = rgb.pixel(0, rgb.height() - 1) & 0x00FFFFFF;
    for (int y = 0; y < rgb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(rgb.scanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == key) {
                line[x] = 0;
            }
        }
    }
    return QPixmap::fromImage(rgb);
}

} // namespace

QImage ReadPicture(const QString& path, const char* format) {
    if (!QFile::exists(path)) {
        return {};
    }
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap GlyphImage(const QString& name, int index, int count) {
    const QImage all = ReadPicture(QStringLiteral(":/glyphs/") + name, "bmp");
    if (all.isNull() || count < 1 || index < 0 || index >= count) {
        return {};
    }
    const int w = all.width() / count;
    // The see-through colour is taken from each image's own bottom-left pixel.
    return Masked(all.copy(w * index, 0, w, all.height()));
}

QString WithPixels(const QString& name, int times) {
    if (times <= 1) {
        return name;
    }
    const QString mark = QStringLiteral("@%1x").arg(times);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name + mark : name.left(dot) + mark + name.mid(dot);
}

int ArtTimes(qreal ratio) {
    return ratio > 2 ? 3 : ratio > 1 ? 2 : 1;
}

bool HighDensity() {
    return qApp && qApp->devicePixelRatio() > 1;
}

QIcon GlyphIcon(const QString& name, int count, bool larger) {
    QIcon icon;
    QPixmap normal = GlyphImage(name, 0, count);
    if (normal.isNull()) {
        return icon;
    }
    icon.addPixmap(normal, QIcon::Normal);
    if (count > 1) {
        icon.addPixmap(GlyphImage(name, 1, count), QIcon::Disabled);
    }
    // On an ordinary screen the larger files are never read. Qt takes the
    // smallest picture that covers a button's icon at the screen's ratio.
    for (int times = 2; times <= 3; ++times) {
        if (times == 3 ? !larger : !(HighDensity() || larger)) {
            continue;
        }
        for (int i = 0; i < std::min(count, 2); ++i) {
            QPixmap more = GlyphImage(WithPixels(name, times), i, count);
            if (!more.isNull()) {
                more.setDevicePixelRatio(HighDensity() ? 2 : 1);
                icon.addPixmap(more, i == 0 ? QIcon::Normal : QIcon::Disabled);
            }
        }
    }
    return icon;
}

namespace {

// Which art each widget shows; a widget leaves when it goes.
QHash<const QWidget*, Art>& ArtShownBy() {
    static QHash<const QWidget*, Art> shown;
    return shown;
}

void NoteArt(QWidget* widget, Art art) {
    auto& shown = ArtShownBy();
    if (!shown.contains(widget)) {
        QObject::connect(widget, &QObject::destroyed, [widget] { ArtShownBy().remove(widget); });
    }
    shown.insert(widget, std::move(art));
}

} // namespace
QString RimGlyphName(RimButton which) {
    switch (which) {
    case RimButton::Undo:
        return QStringLiteral("undo.bmp");
    case RimButton::Redo:
        return QStringLiteral("redo.bmp");
    case RimButton::Hint:
        return QStringLiteral("hint.bmp");
    case RimButton::AllLevels:
        return QStringLiteral("levels.bmp");
    case RimButton::ZoomOut:
        return QStringLiteral("zoomout.bmp");
    case RimButton::ZoomIn:
        return QStringLiteral("zoomin.bmp");
    }
    return {};
}

QIcon RimGlyph(RimButton which) {
    // Six small files: read at once, the larger art costs less than keeping
    // track of which zoom has asked for it.
    return GlyphIcon(RimGlyphName(which), 2, true);
}

void ShowGlyph(QAbstractButton* button, const QString& name, int count) {
    button->setIcon(GlyphIcon(name, count));
    NoteArt(button, {name, count});
}

void ShowGameIcon(QLabel* label) {
    label->setPixmap(GameIconPicture());
    NoteArt(label, {QStringLiteral("icon.bmp"), 1});
}

Art ArtShown(const QWidget* widget) {
    return ArtShownBy().value(widget);
}

QIcon GameIcon() {
    QIcon icon;
    // The window manager gets every size the icon has, so only the sizes a
    // title bar or task switcher shows; the menu takes the installed icons.
    // Added as pictures, not files, so that no icon plug-in is looked for.
    for (int size : {16, 32, 48, 64}) {
        const QImage picture =
            ReadPicture(QStringLiteral(":/glyphs/icons/zorbly-tarnel-%1.png").arg(size), "png");
        if (!picture.isNull()) {
            icon.addPixmap(QPixmap::fromImage(picture));
        }
    }
    if (icon.isNull()) {
        QPixmap p = GameIconPicture();
        if (!p.isNull()) {
            icon.addPixmap(p);
        }
    }
    return icon;
}

QPixmap GameIconPicture() {
    if (HighDensity()) {
        QPixmap twice = GlyphImage(WithPixels(QStringLiteral("icon.bmp"), 2));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2);
            return twice;
        }
    }
    return GlyphImage(QStringLiteral("icon.bmp"));
}

} // namespace zt
