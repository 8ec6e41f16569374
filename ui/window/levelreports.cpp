#include "levelreports.h"

#include <QCoreApplication>
#include <algorithm>

namespace zt {

QString LevelDamagedText(int level, Cell cell, int tile) {
    const QString where = QStringLiteral("%1, %2").arg(cell.c + 1).arg(cell.r + 1);
    return QCoreApplication::translate(
               "zt::LevelReports",
               "Level %1 is damaged: the cell at column and row %2 holds the tile number %3, "
               "which does not exist. Such cells are shown as grass; the level may not be "
               "solvable.")
        .arg(level)
        .arg(where)
        .arg(tile);
}

QString LevelFileText(LevelFileFault fault, const QString& path, int error) {
    if (fault == LevelFileFault::ReadFailed) {
        // The folder as the path names it, and the file's name as the game
        // has always written it.
        const QString folder = path.left(
            std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
        return QCoreApplication::translate("zt::LevelReports", "Fileerror %1 with file ")
                   .arg(error) +
               folder + QStringLiteral("ZTRN.DAT.");
    }
    const QString why = fault == LevelFileFault::NoCompleteLevel
                            ? QCoreApplication::translate("zt::LevelReports",
                                                          "The level file %1 holds no complete "
                                                          "level. Without it there is nothing "
                                                          "to play.")
                            : QCoreApplication::translate("zt::LevelReports",
                                                          "The level file %1 is missing or "
                                                          "cannot be opened. Without it there "
                                                          "is nothing to play.");
    return why.arg(path);
}

} // namespace zt
