// The player's records: for each level the best solve, and the time played in
// all. They are the player's history, not progress: a new game or a loaded
// progress file leaves them alone. One JSON file in the player's data folder,
// written whole after each record.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "game.h"

namespace zt {

struct Solve {
    int swaps = 0;          // swaps standing on the board at the solve
    int hintCount = 0;      // the hint's count for the deal, as dealt
    qint64 ms = 0;          // from the deal to the solve, the window active
    bool withHints = false; // the hint was asked for in that deal

    // Solved in no more swaps than the hint's count, on one's own.
    bool AtHintCount() const { return !withHints && swaps <= hintCount; }
    bool operator==(const Solve&) const = default;
};

class Records {
public:
    enum class Opened {
        Fresh,    // no file yet
        Read,     // the file's records are in
        SetAside, // the file was damaged, foreign or unreadable: moved to SetAsidePath()
        Unusable, // as SetAside, but it could not even be moved
    };

    explicit Records(QString path);
    // records.json in the player's data folder.
    static QString DefaultPath();
    const QString& Path() const { return path_; }

    // Reads the file; anything but a readable records file of ours leaves the
    // records empty.
    Opened Open();
    const QString& SetAsidePath() const { return setAside_; }

    std::optional<Solve> Best(int level) const;
    // Keeps what the solve betters: the fewest swaps (with that deal's hint
    // count) and the shortest time. A solve without hints replaces one with
    // them; one with hints never touches one without. Returns whether the
    // record changed.
    bool Note(int level, const Solve& solve);
    void AddPlayTime(qint64 ms) { playedMs_ += std::max<qint64>(ms, 0); }
    qint64 PlayTime() const { return playedMs_; }
    int AtHintCountCount() const;

    // Writes the whole file, or leaves the old one as it was.
    bool Save() const;

private:
    bool Parse(const QByteArray& bytes);

    QString path_;
    QString setAside_;
    std::array<std::optional<Solve>, MaxLevels> best_{};
    qint64 playedMs_ = 0;
};

} // namespace zt
