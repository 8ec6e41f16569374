// One game per player: two games side by side would each save over the
// other's progress at close.
#pragma once

#include <QObject>
#include <memory>

namespace zt {

// Claims the game for this player (the user and the settings file, so a
// player with a settings folder of their own plays a game of their own).
// Called once, after the application object exists and before any file is
// read. Returns the claim, to be kept while the game runs: it brings the
// game to the front whenever a later start asks. Returns nothing when a game
// of this player already runs: that one has been asked to come to the front,
// and this start should end without touching any file.
std::unique_ptr<QObject> ClaimTheGame();

} // namespace zt
