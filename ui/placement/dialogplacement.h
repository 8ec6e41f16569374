// Where the game's dialogs stand: centred on the main window across, and
// centred on its client area reckoned up from the main window's lower edge.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace zt {

// Moves dialog to its place over main (both top-level widgets), by the
// dialog's outer rectangle.
void PlaceOver(QWidget* dialog, const QWidget* main);

} // namespace zt
