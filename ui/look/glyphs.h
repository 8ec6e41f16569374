// The small pictures on buttons. A glyph file holds one or more images side
// by side; the colour of its bottom-left pixel is see-through.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace zt {

// A picture from the resources in the format named (lower case, e.g. "bmp").
// Only that format's reader is used: nothing guesses the format from the
// contents, so no image plug-in is loaded. A missing file gives a null image.
QImage ReadPicture(const QString& path, const char* format);
// Image `index` of `count` from ":/glyphs/<name>", with its see-through colour
// masked out. A missing glyph gives a null pixmap.
QPixmap GlyphImage(const QString& name, int index = 0, int count = 1);
// The first image as the normal look; with two, the second as the disabled look.
// While a screen of a device pixel ratio above 1 is in use, each look also with
// twice the pixels, which Qt then draws on such screens. With larger, also on
// an ordinary screen, and with three times the pixels: for buttons zoomed
// beyond their glyphs' own size.
QIcon GlyphIcon(const QString& name, int count = 1, bool larger = false);
// The picture of the same name with `times` the pixels ("splash.bmp" and 2
// give "splash@2x.bmp"; 1 gives the name itself).
QString WithPixels(const QString& name, int times);
// The art to draw at a ratio (the screen's times the zoom): the fewest times
// the pixels, 1, 2 or 3, that need no enlarging, or 3 above that.
int ArtTimes(qreal ratio);
// Whether the screens in use have a device pixel ratio above 1.
bool HighDensity();
// A button's glyph or a label's picture, by the art's name and its number of
// images, so that a scaled window can take its larger art (Layout).
struct Art {
    QString name;
    int images = 1;
};
// Shows a glyph or the game's icon and notes which art it is.
void ShowGlyph(QAbstractButton* button, const QString& name, int count = 1);
void ShowGameIcon(QLabel* label);
// The art a widget was given with ShowGlyph or ShowGameIcon (none: empty).
Art ArtShown(const QWidget* widget);
// The small buttons on the board's rim, one for each of these commands.
enum class RimButton { Undo, Redo, Hint, AllLevels, ZoomOut, ZoomIn };
// A rim button's glyph file (":/glyphs/<name>"): two images of 16 x 16, the
// normal and the disabled look, and its @2x and @3x art.
QString RimGlyphName(RimButton which);
// A rim button's glyph, both looks with their 1x, 2x and 3x art, so the button
// stays crisp at every zoom and screen (GlyphIcon with the larger art).
QIcon RimGlyph(RimButton which);
// The game's icon in every size we draw it.
QIcon GameIcon();
// The 32 x 32 icon picture shown inside the dialogs.
QPixmap GameIconPicture();

} // namespace zt
