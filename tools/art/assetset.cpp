#include "assetset.h"

#include "backdrop.h"
#include "bmp.h"
#include "digits.h"
#include "emblem.h"
#include "glyphs.h"
#include "sounds.h"
#include "tiles.h"

#include <QBuffer>

namespace art {
namespace {

zt::BmpImage toBmp(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    zt::BmpImage out(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            out.At(x, y) = rgb.pixel(x, y) | 0xff000000u;
    return out;
}

QByteArray bytes(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

} // namespace

QByteArray EncodePicture(const Picture& picture) {
    std::vector<std::uint32_t> palette;
    for (QRgb c : picture.palette)
        palette.push_back(c | 0xff000000u);
    return bytes(zt::EncodeBmp(toBmp(picture.rgb), picture.bits, palette));
}

QByteArray EncodeTrueColour(const QImage& image) {
    return bytes(zt::EncodeBmp(toBmp(image), 24));
}

QByteArray EncodePng(const QImage& image) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

std::vector<AssetFile> RenderAssets() {
    std::vector<AssetFile> files;
    const QImage sheet = DrawTileSheet();
    files.push_back({"assets/tilesheet.bmp", EncodeTrueColour(sheet)});
    files.push_back({"assets/backdrop.bmp", EncodeTrueColour(DrawBackdrop())});
    files.push_back(
        {"assets/digits.bmp", EncodePicture({"digits", DrawDigitStrip(), DigitStripColours(), 8})});
    // The same three pictures with twice the pixels, for high-density screens.
    const QImage sheet2x = DrawTileSheet(2);
    files.push_back({"assets/tilesheet@2x.bmp", EncodeTrueColour(sheet2x)});
    files.push_back({"assets/backdrop@2x.bmp", EncodeTrueColour(DrawBackdrop(2))});
    files.push_back({"assets/digits@2x.bmp",
                     EncodePicture({"digits@2x", DrawDigitStrip(2), DigitStripColours(), 8})});
    // And with three times the pixels, for zooms and screens beyond 2x.
    const QImage sheet3x = DrawTileSheet(3);
    files.push_back({"assets/tilesheet@3x.bmp", EncodeTrueColour(sheet3x)});
    files.push_back({"assets/backdrop@3x.bmp", EncodeTrueColour(DrawBackdrop(3))});
    files.push_back({"assets/digits@3x.bmp",
                     EncodePicture({"digits@3x", DrawDigitStrip(3), DigitStripColours(), 8})});
    files.push_back({"assets/move.wav", WaveFile(MoveSoundSamples(), kMoveRate)});
    files.push_back({"assets/solved.wav", WaveFile(SolvedSoundSamples(), kSolvedRate)});
    for (const Picture& g : DrawGlyphs())
        files.push_back({"assets/glyphs/" + g.name + ".bmp", EncodePicture(g)});
    files.push_back({"assets/splash.bmp", EncodePicture(DrawSplash(sheet))});
    files.push_back({"assets/icon.bmp", EncodePicture(DrawIconBmp())});
    for (const Picture& g : DrawGlyphs(2))
        files.push_back({"assets/glyphs/" + g.name + ".bmp", EncodePicture(g)});
    files.push_back({"assets/splash@2x.bmp", EncodePicture(DrawSplash(sheet2x, 2))});
    for (const Picture& g : DrawGlyphs(3))
        files.push_back({"assets/glyphs/" + g.name + ".bmp", EncodePicture(g)});
    files.push_back({"assets/splash@3x.bmp", EncodePicture(DrawSplash(sheet3x, 3))});
    files.push_back({"assets/icon@3x.bmp", EncodePicture(DrawIconBmp(3))});
    files.push_back({"assets/icon@2x.bmp", EncodePicture(DrawIconBmp(2))});
    for (int size : IconSizes()) {
        files.push_back(
            {QString("assets/icons/zorbly-tarnel-%1.png").arg(size), EncodePng(DrawIcon(size))});
    }
    files.push_back({"docs/tiles.png", EncodePng(DrawTileContactSheet(sheet))});
    files.push_back({"docs/tiles@2x.png", EncodePng(DrawTileContactSheet(sheet2x))});
    return files;
}

} // namespace art
