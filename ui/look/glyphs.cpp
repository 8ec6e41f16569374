#include "glyphs.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
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

QString TwiceThePixels(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name + QStringLiteral("@2x")
                   : name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
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
    // On an ordinary screen the 2x files are never read.
    if (HighDensity() || larger) {
        for (int i = 0; i < std::min(count, 2); ++i) {
            QPixmap twice = GlyphImage(TwiceThePixels(name), i, count);
            if (!twice.isNull()) {
                twice.setDevicePixelRatio(HighDensity() ? 2 : 1);
                icon.addPixmap(twice, i == 0 ? QIcon::Normal : QIcon::Disabled);
            }
        }
    }
    return icon;
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
        QPixmap twice = GlyphImage(TwiceThePixels(QStringLiteral("icon.bmp")));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2);
            return twice;
        }
    }
    return GlyphImage(QStringLiteral("icon.bmp"));
}

} // namespace zt
