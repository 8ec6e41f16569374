// What the engine reports about the level file and damaged levels, in the
// player's words (the error box shows them).
#pragma once

#include <QString>

#include "gameview.h"

namespace zt {

QString LevelDamagedText(int level, Cell cell, int tile);
QString LevelFileText(LevelFileFault fault, const QString& path, int error);

} // namespace zt
