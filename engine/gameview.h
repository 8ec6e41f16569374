// What the engine asks of the window. The engine speaks of cells and of what
// happened; the window turns cells into pixels and events into words. The
// main window implements it; the tests drive the engine through a fake.
#pragma once

#include <string>

namespace zt {

// A cell of the board: column c (0..8), row r (0..6).
struct Cell {
    int c;
    int r;
    bool operator==(const Cell&) const = default;
};

// The player's language as the settings store keeps it ("tongue"). Other
// stored numbers are kept as they are and written back unchanged.
enum class Language : int { NotChosen = -1, English = 0, German = 1 };

// The two sounds of play.
enum class Cue : int { Solved = 1, Move = 2 };

// Pages of the message dialog, by their numbers (5 and 7 are never shown).
enum class Page : int { Won = 1, Restart = 2, Endgame = 3, Giveup = 4, AllSolved = 6 };

// How a modal dialog ended.
enum class ModalResult : int { None = 0, Ok, Cancel, Yes, No };

// Why the level file gave nothing to play, or broke off.
enum class LevelFileFault {
    Missing,          // no plain file there, or it could not be opened
    NoCompleteLevel,  // opened, but shorter than one record
    ReadFailed,       // reading stopped with a system error (or no memory for the levels)
};

class GameView {
public:
    virtual ~GameView() = default;

    // Draws the tile of cell (c, r) without the marker.
    virtual void DrawCell(int c, int r) = 0;
    // The marked tile went from `from` to `to` by a click, undo or redo, and
    // both cells are drawn; the solve check comes after.
    virtual void MarkerMoved(Cell /*from*/, Cell /*to*/) {}
    // Sounds only while the sound switch is on.
    virtual void PlayCue(Cue cue) = 0;
    // Shows a page of the message dialog modally and returns how it was closed.
    virtual ModalResult ShowPage(Page page) = 0;
    // LevelSolved has just been set: renew the texts (ApplyLanguage).
    virtual void LevelSolvedChanged() = 0;
    // Caption, and the level display with it.
    virtual void UpdateCaption() = 0;
    virtual void DrawGauge() = 0;
    // The level selector. Setting a position that differs from the present one
    // runs the selector's change handling, which deals that level.
    virtual void SetSelectorRange(int maximum) = 0;
    virtual void SetSelectorPosition(int position) = 0;
    // Level n was dealt for the first time in this run, and its record holds
    // the tile number tile, which does not exist, at cell (the first such).
    virtual void LevelDamaged(int level, Cell cell, int tile) = 0;
    // The level file at path could not give the levels; error is the system's
    // error number for ReadFailed.
    virtual void LevelFileFailed(LevelFileFault fault, const std::string& path, int error) = 0;
    // The game speaks another language from now on; what shows already
    // changes when the window next renews its texts.
    virtual void LanguageChanged(Language /*language*/) {}
};

// A view that shows nothing: for the tools and benchmarks that play the
// engine without a window. Every question is answered OK.
class SilentView : public GameView {
public:
    void DrawCell(int, int) override {}
    void PlayCue(Cue) override {}
    ModalResult ShowPage(Page) override { return ModalResult::Ok; }
    void LevelSolvedChanged() override {}
    void UpdateCaption() override {}
    void DrawGauge() override {}
    void SetSelectorRange(int) override {}
    void SetSelectorPosition(int) override {}
    void LevelDamaged(int, Cell, int) override {}
    void LevelFileFailed(LevelFileFault, const std::string&, int) override {}
};

}  // namespace zt
