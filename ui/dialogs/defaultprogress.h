// Where a new player's progress file goes.
#pragma once

#include <QString>

namespace zt {

// "noname.ztn" beside the program, where the player can write into the
// program's folder (a game unpacked into the player's own folders). An
// installed game's folder belongs to the system: there the file goes to the
// player's data folder, which is made when it is missing.
QString DefaultProgressPath(const QString& programDir);

// The folder part of a path, with its trailing separator.
QString FolderWithSeparator(const QString& path);

} // namespace zt
