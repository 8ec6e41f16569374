// The small sans-serif type of the game's windows.
#pragma once

#include <QFont>

namespace zt {

// The desktop's own sans-serif face at a fixed pixel size. Asking for the
// old bitmap face by name would only make the font matcher search for a
// stand-in, which costs start-up time and ends at the same face.
QFont SansFont(int pixelSize, bool bold = false);

} // namespace zt
