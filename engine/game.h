// The game state and the puzzle's operations: dealing, moves, the solve check,
// the level library and the navigation between levels.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gameview.h"

namespace zt {

constexpr int Columns = 9;
constexpr int Rows = 7;
constexpr int CellCount = Columns * Rows;
constexpr int MaxLevels = 500;
constexpr int RecordSize = 63;
constexpr int ShuffleSteps = 2000;

// Board geometry inside the 520 x 376 board area.
constexpr int BoardLeft = 22;
constexpr int BoardTop = 20;
constexpr int CellSize = 48;

// Cell (c, r) is at index c * 7 + r.
using Board = std::array<std::uint8_t, CellCount>;
using LevelRecord = Board;
using SolvedFlags = std::array<std::uint8_t, MaxLevels>;

constexpr int CellIndex(int c, int r) { return c * Rows + r; }

struct Cell {
    int c;
    int r;
    bool operator==(const Cell&) const = default;
};

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

class Game {
public:
    explicit Game(GameView& view) : view_(view) {}

    // --- state, read by the window ---
    Board board{};
    int selCol = 0;  // the selected cell
    int selRow = 0;
    bool hasSelection = false;  // false only on a level without any tile for the marker
    bool movedFlag = false;
    bool levelSolved = false;
    int currentLevel = 1;
    std::uint32_t randomSeed = 0;
    std::vector<LevelRecord> levels;
    SolvedFlags solvedFlags{};
    bool allSolved = false;
    int language = -1;  // 1 German, 0 English, -1 not chosen yet (2: French in the message dialog)
    std::string levelFilePath;

    int LevelCount() const { return static_cast<int>(levels.size()); }
    bool IsLevelSolved(int n) const { return n >= 1 && n <= MaxLevels && solvedFlags[n - 1] != 0; }
    int SolvedCount() const;  // among levels 1..LevelCount
    bool German() const { return language == 1; }

    // --- random generator ---
    void SeedFromClock();
    std::uint32_t RandomBelow(std::uint32_t n);

    // --- board ---
    static std::optional<Cell> CellAtPoint(int x, int y);
    void StartLevel(int n);
    void boxMouseDown(int x, int y);
    bool IsSolved() const { return Fits(board); }
    std::uint8_t TileAt(int c, int r) const { return board[CellIndex(c, r)]; }

    // --- level library ---
    // Reads the level file; reports a missing or empty file and failures.
    void LoadLevelLibrary(const std::string& path);
    // Start-up steps after the progress file was read: selector, clamping,
    // AllSolved and the first deal. storedLevel is the settings value "level".
    void StartUp(int storedLevel);
    void FinishLevel();
    void NextUnsolved();
    void PreviousUnsolved();
    void NewGame();
    void RestartLevel();
    void SelectLevel(int p);

    void SetLevelSolved(bool solved);
    bool ComputeAllSolved() const;

private:
    Cell RandomCell();
    void Deal(const LevelRecord& record);

    GameView& view_;
    std::vector<bool> damagedReported_;
};

}  // namespace zt
