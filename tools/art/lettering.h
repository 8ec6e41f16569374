// The game's own lettering: a rounded stroke alphabet drawn from centre lines, so
// the same letters serve the gauge strips, the splash title and the logo at any size.
#pragma once

#include <QPainterPath>
#include <QString>

namespace art {

// Centre lines of one letter in a grid where capitals stand 10 units tall with
// their top at y = 0 (lower case: x-height 6, descenders to y = 13). Letters the
// alphabet lacks give an empty path.
QPainterPath letterPath(QChar c);
// Width of the letter's centre lines in grid units (space: its advance).
double letterWidth(QChar c);

// A line of text laid out left to right: `unit` pixels per grid unit, `gap` grid
// units between letters, top-left of the first capital at `origin`.
QPainterPath textPath(const QString& text, double unit, double gap, QPointF origin);
// Width of that line's centre lines in pixels.
double textWidth(const QString& text, double unit, double gap);

} // namespace art
