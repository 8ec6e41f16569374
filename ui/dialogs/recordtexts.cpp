#include "recordtexts.h"

#include <QCoreApplication>
#include <QDir>

#include "difficultyfigure.h"

namespace zt::recordtexts {

QString Duration(qint64 ms) {
    const qint64 s = ms / 1000;
    if (s < 3600)
        return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString SolveLine(const Solve& solve) {
    const QString swaps =
        solve.swaps == 1
            ? QCoreApplication::translate("zt::RecordTexts", "1 swap")
            : QCoreApplication::translate("zt::RecordTexts", "%1 swaps").arg(solve.swaps);
    return QCoreApplication::translate("zt::RecordTexts", "%1, hint %2, %3")
        .arg(swaps)
        .arg(solve.hintCount)
        .arg(Duration(solve.ms));
}

QString Mark(const Solve& solve) {
    if (solve.withHints)
        return QCoreApplication::translate("zt::RecordTexts", "with hints");
    return solve.AtHintCount()
               ? QCoreApplication::translate("zt::RecordTexts", "at the hint's count")
               : QString();
}

QString LevelText(int level, bool solved, int marks, const std::optional<Solve>& best) {
    QString text = (solved ? QCoreApplication::translate("zt::RecordTexts", "Level %1, solved")
                           : QCoreApplication::translate("zt::RecordTexts", "Level %1, unsolved"))
                       .arg(level);
    text += QStringLiteral(", ") +
            QCoreApplication::translate("zt::RecordTexts", "difficulty %1 of %2")
                .arg(marks)
                .arg(MostDifficultyMarks);
    if (best) {
        text += QStringLiteral(": ") + SolveLine(*best);
        const QString mark = Mark(*best);
        if (!mark.isEmpty())
            text += QStringLiteral(", ") + mark;
    }
    return text;
}

QString Summary(int solved, int levels, int atHintCount, qint64 playedMs) {
    return QCoreApplication::translate(
               "zt::RecordTexts",
               "Solved: %1 of %2 · at the hint's count or better: %3 · played: %4")
        .arg(solved)
        .arg(levels)
        .arg(atHintCount)
        .arg(Duration(playedMs));
}

QString BrowserTitle() {
    return QCoreApplication::translate("zt::RecordTexts", "Levels");
}

QString UnsolvedOnly() {
    return QCoreApplication::translate("zt::RecordTexts", "Only &unsolved levels");
}

QString ShownAnyway(int level) {
    return QCoreApplication::translate("zt::RecordTexts",
                                       "Level %1 is solved: shown as typed, though only "
                                       "unsolved levels are listed.")
        .arg(level);
}

QString BrowserKey() {
    return QCoreApplication::translate("zt::RecordTexts",
                                       "Click or Ctrl+L: all levels at a glance");
}

QString SetAside(const QString& path, const QString& aside) {
    if (aside.isEmpty())
        return QCoreApplication::translate(
                   "zt::RecordTexts",
                   "The records file %1 could not be read, nor set aside. The records of "
                   "this game will not be kept.")
            .arg(QDir::toNativeSeparators(path));
    return QCoreApplication::translate(
               "zt::RecordTexts",
               "The records file %1 could not be read. It was set aside as %2, and the "
               "records start anew.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside));
}

} // namespace zt::recordtexts
