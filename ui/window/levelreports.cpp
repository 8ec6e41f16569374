#include "levelreports.h"

#include <algorithm>

namespace zt {

QString LevelDamagedText(bool german, int level, Cell cell, int tile) {
    const QString where = QStringLiteral("%1, %2").arg(cell.c + 1).arg(cell.r + 1);
    if (german) {
        return QStringLiteral("Stufe %1 ist beschädigt: Das Feld in Spalte und Zeile %2 enthält "
                              "die Plättchennummer %3, die es nicht gibt. Solche Felder werden "
                              "als Wiese gezeigt; die Stufe ist vielleicht nicht lösbar.")
            .arg(level)
            .arg(where)
            .arg(tile);
    }
    return QStringLiteral("Level %1 is damaged: the cell at column and row %2 holds the tile "
                          "number %3, which does not exist. Such cells are shown as grass; the "
                          "level may not be solvable.")
        .arg(level)
        .arg(where)
        .arg(tile);
}

QString LevelFileText(bool german, LevelFileFault fault, const QString& path, int error) {
    if (fault == LevelFileFault::ReadFailed) {
        // The folder as the path names it, and the file's name as the game
        // has always written it.
        const QString folder = path.left(
            std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
        return (german ? QStringLiteral("Dateifehler %1 bei Datei ")
                       : QStringLiteral("Fileerror %1 with file "))
                   .arg(error) +
               folder + QStringLiteral("ZTRN.DAT.");
    }
    const bool opened = fault == LevelFileFault::NoCompleteLevel;
    if (german) {
        return QStringLiteral("Die Stufendatei ") + path +
               (opened ? QStringLiteral(" enthält keine vollständige Stufe.")
                       : QStringLiteral(" fehlt oder lässt sich nicht öffnen.")) +
               QStringLiteral(" Ohne sie gibt es nichts zu spielen.");
    }
    return QStringLiteral("The level file ") + path +
           (opened ? QStringLiteral(" holds no complete level.")
                   : QStringLiteral(" is missing or cannot be opened.")) +
           QStringLiteral(" Without it there is nothing to play.");
}

} // namespace zt
