// The game state and the puzzle's operations: dealing, moves, the solve check,
// the level library and the navigation between levels.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gameview.h"
#include "outcome.h"

namespace zt {

constexpr int Columns = 9;
constexpr int Rows = 7;
constexpr int CellCount = Columns * Rows;
constexpr int MaxLevels = 500;
constexpr int RecordSize = 63;
constexpr int ShuffleSteps = 2000;

// Cell (c, r) is at index c * 7 + r.
using Board = std::array<std::uint8_t, CellCount>;
using LevelRecord = Board;
using SolvedFlags = std::array<std::uint8_t, MaxLevels>;

constexpr int CellIndex(int c, int r) { return c * Rows + r; }
constexpr bool OnBoard(Cell cell) { return cell.c >= 0 && cell.c < Columns && cell.r >= 0 && cell.r < Rows; }

// The level file's reading rules, apart from the game.
struct LevelFile {
    std::vector<LevelRecord> records;  // at most 500 whole records
    bool opened = false;               // the file could be opened at all
};
LevelFile ReadLevelFile(const std::string& path);

// The first fault of a record, as a level author or the player is told of it.
struct RecordFault {
    Cell cell;
    int tile;
};
std::optional<RecordFault> FindBadTile(const LevelRecord& record);

// Whether a board fits: every side meets an equal side, the border counts as grass.
bool Fits(const Board& board);

// Which way the walk to the next unsolved level goes.
enum class Direction : int { Down = -1, Up = 1 };

// The tests' way in to the state (defined in the tests only).
struct GameTestAccess;

class History;

class Game {
public:
    explicit Game(GameView& view);
    ~Game();

    // --- state, read by the window ---
    const Board& board() const { return board_; }
    std::uint8_t TileAt(int c, int r) const { return board_[CellIndex(c, r)]; }
    int selCol() const { return selCol_; }  // the selected cell
    int selRow() const { return selRow_; }
    bool hasSelection() const { return hasSelection_; }  // false only on a level without any tile for the marker
    bool levelSolved() const { return levelSolved_; }
    int currentLevel() const { return currentLevel_; }
    const SolvedFlags& solvedFlags() const { return solvedFlags_; }
    Language language() const { return language_; }
    bool German() const { return language_ == Language::German; }

    int LevelCount() const { return static_cast<int>(levels_.size()); }
    // The record of level n (1..LevelCount) as the level file holds it.
    const LevelRecord& Record(int n) const { return levels_[n - 1]; }
    bool IsLevelSolved(int n) const { return n >= 1 && n <= MaxLevels && solvedFlags_[n - 1] != 0; }
    int SolvedCount() const;  // among levels 1..LevelCount
    bool IsSolved() const { return Fits(board_); }

    void SetLanguage(Language language) {
        language_ = language;
        view_.LanguageChanged(language);
    }
    // The flags of a progress file, as read: levels beyond the library included.
    void RestoreSolvedFlags(const SolvedFlags& flags) { solvedFlags_ = flags; }

    // --- random generator ---
    void SeedFromClock();
    // Starts the sequence at seed (the level tool replays the game's deals).
    void Seed(std::uint32_t seed) { randomSeed_ = seed; }
    std::uint32_t RandomBelow(std::uint32_t n);

    // --- board ---
    // Every operation below changes the state and answers what changed; none
    // asks anything. A question comes before the call (NewGameAsks, RestartAsks).
    Outcome StartLevel(int n);
    // The player picks a cell, by mouse or keyboard.
    Outcome boxMouseDown(Cell cell);
    // Takes back the last swap of the deal, or makes one taken back again:
    // moves like a click, sound and solving included. Nothing on a solved level.
    Outcome Undo();
    Outcome Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    // The cell to swap with the marked tile, one swap nearer the nearest fitting
    // board; nothing on a solved level or a board that fits. A hint
    // given counts for the deal (HintUsed).
    std::optional<Cell> Hint();
    // Whether Hint has anything to give.
    bool CanHint() const;

    // --- the deal, for the player's records ---
    // The swaps standing on the board (those taken back do not count).
    int SwapsStanding() const;
    // A hint was given since the level was dealt.
    bool HintUsed() const { return hintUsed_; }
    // The hint's count for the deal as it was dealt: the swaps that following
    // every hint from the deal takes.
    int DealHintCount() const;

    // --- level library ---
    // Reads the level file; reports a missing or empty file and failures.
    void LoadLevelLibrary(const std::string& path);
    // The levels as they are, for tools that read the file themselves.
    void UseLevels(std::vector<LevelRecord> records);
    // Start-up after the progress file was read: clamping, AllSolved and the
    // first deal. storedLevel is the settings value "level".
    Outcome StartUp(int storedLevel);
    Outcome NextUnsolved(Direction direction);
    // Whether giving up the game or the deal would lose something: the window
    // asks the player before NewGame or RestartLevel then.
    bool NewGameAsks() const;
    bool RestartAsks() const;
    Outcome NewGame();
    Outcome RestartLevel();
    // The level selector was moved to p: deals p unless it stood there already.
    Outcome SelectLevel(int p);
    // Where the level selector stands (it starts at 1).
    int selectorPosition() const { return selector_; }

private:
    friend struct GameTestAccess;

    Cell RandomCell();
    void Deal(const LevelRecord& record);
    // Deals level n into the outcome.
    void DealInto(int n, Outcome& out);
    // Moves the selector to p; a change deals p, as its change handling always has.
    void MoveSelector(int p, Outcome& out);
    // The marked tile goes to `to`, the tile there to the marked cell.
    void MoveMarkerTo(Cell to, Outcome& out);
    void FinishLevel(Outcome& out);
    bool ComputeAllSolved() const;

    GameView& view_;
    Board board_{};
    int selCol_ = 0;
    int selRow_ = 0;
    bool hasSelection_ = false;
    bool levelSolved_ = false;
    int currentLevel_ = 1;
    int selector_ = 1;
    std::uint32_t randomSeed_ = 0;
    std::vector<LevelRecord> levels_;
    SolvedFlags solvedFlags_{};
    bool allSolved_ = false;
    Language language_ = Language::NotChosen;
    std::vector<bool> damagedReported_;
    std::unique_ptr<History> history_; // the swaps of this deal
    Board dealt_{};                    // the board and marker as dealt
    Cell dealtMarker_{};
    bool hintUsed_ = false;
    // The board the last hint of this deal led to: the next hint keeps to it
    // unless a nearer one turns up, so that following the hints never turns back.
    std::optional<Board> hintGoal_;
};

}  // namespace zt
