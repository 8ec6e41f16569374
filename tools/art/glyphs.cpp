#include "glyphs.h"

#include "canvas.h"
#include "palette.h"

namespace art {
namespace {

constexpr QRgb kGreyDark = qRgb(112, 112, 112);
constexpr QRgb kGreyMid = qRgb(150, 150, 150);
constexpr QRgb kGreyLight = qRgb(196, 196, 196);
constexpr QRgb kEtch = qRgb(255, 255, 255);

Picture fromIndexed(const QString& name, const QImage& indexed, int bits, int used) {
    Picture pic;
    pic.name = name;
    pic.bits = bits;
    pic.rgb = indexed.convertToFormat(QImage::Format_RGB32);
    pic.palette = indexed.colorTable().mid(0, used);
    return pic;
}

} // namespace

QImage DisabledLook(const QImage& normal) {
    QImage out(normal.size(), QImage::Format_RGB32);
    out.fill(kVoid);
    auto drawn = [&](int x, int y) { return normal.valid(x, y) && normal.pixel(x, y) != kVoid; };
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            if (drawn(x, y)) {
                const QRgb c = normal.pixel(x, y);
                const int lum = (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) >> 8;
                out.setPixel(x, y, lum < 90 ? kGreyDark : lum < 170 ? kGreyMid : kGreyLight);
            } else if (drawn(x - 1, y - 1)) {
                // The etched highlight makes the shape read as pressed into the button.
                out.setPixel(x, y, kEtch);
            }
        }
    }
    return out;
}

Picture MakeGlyph(const QString& name, const QImage& normal, bool twoImages, int bits, QRgb key) {
    QImage drawn = normal;
    QList<QRgb> fixed{key};
    if (twoImages) {
        drawn = QImage(normal.width() * 2, normal.height(), QImage::Format_RGB32);
        drawn.fill(kVoid);
        blit(drawn, normal, 0, 0);
        blit(drawn, DisabledLook(normal), normal.width(), 0);
        fixed << kGreyDark << kGreyMid << kGreyLight << kEtch;
    }
    const int colours = 1 << bits;
    QImage rgb = keyed(drawn, key);
    // Each image's own bottom-left pixel tells the tool bar what to leave out.
    for (int x = 0; x < rgb.width(); x += normal.width())
        rgb.setPixel(x, rgb.height() - 1, key);
    const QList<QRgb> palette = medianCut(rgb, colours, fixed);
    const QImage indexed = toIndexed(rgb, palette, colours, true);
    return fromIndexed(name, indexed, bits, int(palette.size()));
}

std::vector<Picture> DrawGlyphs(int zoom) {
    const PictureZoom scope(zoom);
    const QImage uturn = DrawUTurn();
    const QImage door = DrawDoor();
    std::vector<Picture> glyphs{
        MakeGlyph("newgame", DrawBomb(), false, 4),
        MakeGlyph("restart", uturn, true, 4),
        MakeGlyph("load", DrawDiskette(false), true, 8),
        MakeGlyph("save", DrawDiskette(true), true, 8),
        MakeGlyph("sound", DrawLoudspeaker(), true, 4),
        MakeGlyph("exit", door, false, 4),
        MakeGlyph("sdown", DrawTriangle(false), true, 4),
        MakeGlyph("sup", DrawTriangle(true), true, 4),
        MakeGlyph("tongue", DrawLips(), false, 8, qRgb(128, 128, 0)),
        MakeGlyph("rules", DrawParagraphBall(), false, 4),
        MakeGlyph("info", DrawInfoBall(), false, 4),
        MakeGlyph("zorbly", DrawMakerLogo(), false, 8),
        MakeGlyph("smile", DrawSmile(), false, 4),
        MakeGlyph("uturn", uturn, true, 4),
        MakeGlyph("cross", DrawCross(), true, 4),
        MakeGlyph("door", door, false, 4),
        MakeGlyph("cancel", DrawCancel(), true, 4),
        MakeGlyph("flags_en", DrawEnglishFlags(), false, 4),
        MakeGlyph("flags_de", DrawGermanFlags(), false, 4),
        MakeGlyph("undo", DrawUndoArrow(), true, 4),
        MakeGlyph("redo", DrawRedoArrow(), true, 4),
        MakeGlyph("hint", DrawBulb(), true, 4),
        MakeGlyph("levels", DrawLevelGrid(), true, 4),
        MakeGlyph("zoomout", DrawZoomOut(), true, 4),
        MakeGlyph("zoomin", DrawZoomIn(), true, 4),
    };
    if (zoom != 1)
        for (Picture& g : glyphs)
            g.name += QStringLiteral("@%1x").arg(zoom);
    return glyphs;
}

} // namespace art
