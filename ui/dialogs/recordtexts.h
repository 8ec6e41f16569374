// The words of the records and the level browser, in the language the
// installed catalogue speaks.
#pragma once

#include <QString>
#include <optional>

#include "records.h"

namespace zt::recordtexts {

// "1:32", or "1:02:03" from an hour on.
QString Duration(qint64 ms);
// "31 swaps, hint 31, 1:32"
QString SolveLine(const Solve& solve);
// The mark of a solve at the hint's count on one's own, or of one with hints;
// empty for any other.
QString Mark(const Solve& solve);
// What a screen reader reads for a level in the browser: marks is its
// difficulty, 1 to 5.
QString LevelText(int level, bool solved, int marks, const std::optional<Solve>& best);
QString Summary(int solved, int levels, int atHintCount, qint64 playedMs);
QString BrowserTitle();
QString UnsolvedOnly();
// The summary line's word on a solved level typed while only unsolved ones show.
QString ShownAnyway(int level);
// How the level display tells a screen reader of the browser.
QString BrowserKey();
// The records file could not be read: set aside as `aside`, or (empty) not even that.
QString SetAside(const QString& path, const QString& aside);

} // namespace zt::recordtexts
