// Every text in both languages in one table, each pair side by side.
#include "recordtexts.h"

#include <QDir>

namespace zt::recordtexts {

namespace {

QString Pick(bool german, const char* english, const char* deutsch) {
    return QString::fromUtf8(german ? deutsch : english);
}

} // namespace

QString Duration(qint64 ms) {
    const qint64 s = ms / 1000;
    if (s < 3600)
        return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString SolveLine(const Solve& solve, bool german) {
    const QString swaps = solve.swaps == 1 ? Pick(german, "1 swap", "1 Zug")
                                           : Pick(german, "%1 swaps", "%1 Züge").arg(solve.swaps);
    return Pick(german, "%1, hint %2, %3", "%1, Tipp %2, %3")
        .arg(swaps)
        .arg(solve.hintCount)
        .arg(Duration(solve.ms));
}

QString Mark(const Solve& solve, bool german) {
    if (solve.withHints)
        return Pick(german, "with hints", "mit Tipps");
    return solve.AtHintCount() ? Pick(german, "at the hint's count", "so gut wie der Tipp")
                               : QString();
}

QString LevelText(int level, bool solved, const std::optional<Solve>& best, bool german) {
    QString text = (solved ? Pick(german, "Level %1, solved", "Stufe %1, gelöst")
                           : Pick(german, "Level %1, unsolved", "Stufe %1, ungelöst"))
                       .arg(level);
    if (best) {
        text += QStringLiteral(": ") + SolveLine(*best, german);
        const QString mark = Mark(*best, german);
        if (!mark.isEmpty())
            text += QStringLiteral(", ") + mark;
    }
    return text;
}

QString Summary(int solved, int levels, int atHintCount, qint64 playedMs, bool german) {
    return Pick(german, "Solved: %1 of %2 · at the hint's count or better: %3 · played: %4",
                "Gelöst: %1 von %2 · so gut wie der Tipp oder besser: %3 · gespielt: %4")
        .arg(solved)
        .arg(levels)
        .arg(atHintCount)
        .arg(Duration(playedMs));
}

QString BrowserTitle(bool german) {
    return Pick(german, "Levels", "Stufen");
}

QString UnsolvedOnly(bool german) {
    return Pick(german, "Only &unsolved levels", "Nur &ungelöste Stufen");
}

QString BrowserKey(bool german) {
    return Pick(german, "Click or Ctrl+L: all levels at a glance",
                "Klick oder Strg+L: alle Stufen auf einen Blick");
}

QString SetAside(const QString& path, const QString& aside, bool german) {
    if (aside.isEmpty())
        return Pick(german,
                    "The records file %1 could not be read, nor set aside. The records of "
                    "this game will not be kept.",
                    "Die Rekorddatei %1 war nicht lesbar und ließ sich nicht beiseitelegen. "
                    "Die Rekorde dieses Spiels werden nicht gespeichert.")
            .arg(QDir::toNativeSeparators(path));
    return Pick(german,
                "The records file %1 could not be read. It was set aside as %2, and the "
                "records start anew.",
                "Die Rekorddatei %1 war nicht lesbar. Sie wurde als %2 beiseitegelegt, und "
                "die Rekorde beginnen neu.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside));
}

} // namespace zt::recordtexts
