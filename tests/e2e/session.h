// One run of the real game in a program folder and settings folder of its own,
// and what a player sees of it.
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "game.h"
#include "xdriver.h"

namespace e2e {

// The game's own pictures, to recognise what is on the screen.
struct Pictures {
    QImage tiles;    // 960 x 480
    QImage backdrop; // 520 x 376
    QImage digits;   // 148 x 20
    static Pictures Load(const QString& assetsDir);
};

// Copies the built game with its level file and help file into programDir;
// returns the name of a file that could not be copied, or nothing.
QString InstallGame(const QString& programDir);

// Installs the game into programDir and reads what the tests recognise it by:
// the pictures of the source tree and the installed level file. Returns what
// went wrong, or nothing.
QString PrepareGame(const QString& programDir, Pictures& pictures, zt::LevelFile& levels);

class Session {
public:
    // programDir and configDir outlive sessions, so a second start sees the first's files.
    Session(const QString& programDir, const QString& configDir);
    ~Session();

    // arguments: the command line, run in the program folder.
    bool Start(const QStringList& arguments = {});
    qint64 Pid() const { return process_.processId(); }
    // Whether the process still runs, as of now: its state is otherwise
    // brought up to date only by an event loop, and the driver runs none.
    bool Running();
    bool WaitForExit(int ms);
    int ExitCode() const { return process_.exitCode(); }
    QString Output() const;

    Window Main(int timeoutMs = 5000);
    Window Splash(int timeoutMs);
    Window TongueDialog(int timeoutMs);
    Window MessageDialog(int timeoutMs);
    Window FileDialog(int timeoutMs);
    bool NoDialog(int timeoutMs); // no dialog window of the game is open

    // Reading the main window.
    int ToolBarHeight();
    QPoint BoardOrigin(); // screen position of the board area's top-left corner
    QImage BoardArea();   // the 520 x 376 board area
    QImage LevelBox();    // the 57 x 20 level display

    // Clicks on the board and the tool bar (positions inside the tool bar panel).
    void ClickCell(int c, int r);
    void ClickToolBar(int x, int y);

private:
    QString programDir_;
    QString configDir_;
    QProcess process_;
    QString output_;
};

// Recognises the board on the screen: the tile of every cell, and the selected
// cell (the one whose picture carries the marker).
struct SeenBoard {
    zt::Board board{};
    int selCol = -1;
    int selRow = -1;
    int inexact = 0; // cells that match no tile to the pixel: the marked one, or some not drawn yet
};
SeenBoard ReadBoard(const QImage& boardArea, const Pictures& pics);

// The clicks (cells) that turn the dealt board into the target layout, moving
// the marker as the game does, up to the move that solves the level. Tiles
// with the same edge codes count as equal. A board dealt fitting is won by a
// move that leaves it fitting.
std::vector<zt::Cell> PlanSwaps(SeenBoard seen, const zt::LevelRecord& target);

// The level number and face in the level display, read against the digit strip.
int ReadLevelNumber(const QImage& levelBox, const Pictures& pics);
bool SmilingFace(const QImage& levelBox, const Pictures& pics);
// Blue rows at the bottom of the gauge.
int BlueGaugeRows(const QImage& boardArea, const Pictures& pics);

} // namespace e2e
