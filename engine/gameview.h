// The engine's words for what it shows, and the little it tells the window
// outside the answers of its calls. The engine speaks of cells and of what
// happened; the window turns cells into pixels and events into words.
#pragma once

#include <string>

namespace zt {

// A cell of the board: column c (0..8), row r (0..6).
struct Cell {
    int c;
    int r;
    bool operator==(const Cell&) const = default;
};

// The player's language as the settings store keeps it ("tongue"). French
// is never offered: a stored 2 shows the message dialog's French texts, and
// everything else speaks English then. Other stored numbers are kept as
// they are and written back unchanged.
enum class Language : int { NotChosen = -1, English = 0, German = 1, French = 2 };

// The two sounds of play.
enum class Cue : int { Solved = 1, Move = 2 };

// Pages of the message dialog, by their numbers (5 and 7 are never shown).
enum class Page : int { Won = 1, Restart = 2, Endgame = 3, Giveup = 4, AllSolved = 6 };

// Why the level file gave nothing to play, or broke off.
enum class LevelFileFault {
    Missing,          // no plain file there, or it could not be opened
    NoCompleteLevel,  // opened, but shorter than one record
    ReadFailed,       // reading stopped with a system error (or no memory for the levels)
};

class GameView {
public:
    virtual ~GameView() = default;

    // The level file at path could not give the levels; error is the system's
    // error number for ReadFailed.
    virtual void LevelFileFailed(LevelFileFault fault, const std::string& path, int error) = 0;
    // The game speaks another language from now on; what shows already
    // changes when the window next renews its texts.
    virtual void LanguageChanged(Language /*language*/) {}
};

// A view that shows nothing: for the tools and benchmarks that play the
// engine without a window.
class SilentView : public GameView {
public:
    void LevelFileFailed(LevelFileFault, const std::string&, int) override {}
};

}  // namespace zt
