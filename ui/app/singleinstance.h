// One game per player: two games side by side would each save over the
// other's progress at close.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace zt {

// The running game's claim, kept while it runs: it brings the game to the
// front whenever a later start asks, and hands on the progress file that
// start was given.
class GameClaim : public QObject {
    Q_OBJECT
signals:
    // A full path; the game loads it as the open dialog's choice.
    void ProgressFileGiven(const QString& path);
};

// Claims the game for this player (the user and the settings file, so a
// player with a settings folder of their own plays a game of their own).
// Called once, after the application object exists and before any file is
// read. Returns nothing when a game of this player already runs: that one
// has been asked to come to the front and to load progressFile (a full
// path, when not empty), and this start should end without touching any file.
std::unique_ptr<GameClaim> ClaimTheGame(const QString& progressFile = {});

} // namespace zt
