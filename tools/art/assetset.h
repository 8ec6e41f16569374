// Every file the art program makes, drawn in memory: the program writes them out,
// the tests compare them with the committed ones.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <vector>

namespace art {

// A palette picture ready to be stored: every pixel of `rgb` is one of `palette`.
struct Picture {
    QString name;
    QImage rgb;
    QList<QRgb> palette;
    int bits = 8;
};

struct AssetFile {
    QString path; // relative: "assets/..." or "docs/..."
    QByteArray bytes;
};

// The BMP file of a picture: 24 bits as drawn, 4 and 8 bits with its palette.
QByteArray EncodePicture(const Picture& picture);
QByteArray EncodeTrueColour(const QImage& image);
QByteArray EncodePng(const QImage& image);

// All files, in a fixed order.
std::vector<AssetFile> RenderAssets();

} // namespace art
