// The level browser's list: one row per level shown, and how a row is drawn.
#pragma once

#include <QAbstractListModel>
#include <QStyledItemDelegate>
#include <vector>

#include "game.h"
#include "levelpictures.h"
#include "records.h"

namespace zt {

class LevelListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        LevelRole = Qt::UserRole, // the level's number
        SolvedRole,               // solved in this game
        WholeRole,                // its picture may be shown whole
        RecordRole,               // "31 swaps, hint 31, 1:32", or nothing
        AtHintRole,               // its record is at the hint's count, without hints
        WithHintsRole,            // "with hints" for a record with hints, or nothing
        MarksRole,                // its difficulty, 1 to 5
    };

    LevelListModel(const Game& game, const Records& records, QObject* parent = nullptr);

    // Takes the levels, their solved marks and records as they are now; with
    // unsolvedOnly, `also` is shown all the same.
    void Refresh(bool unsolvedOnly, int also = 0);
    int LevelAt(int row) const { return levels_[std::size_t(row)]; }
    // The row of level n; -1 when it is not shown.
    int RowOf(int level) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const Game& game_;
    const Records& records_;
    std::vector<int> levels_;
};

// Draws a level: its picture, its number with the solved mark and its
// difficulty, and its record.
class LevelDelegate : public QStyledItemDelegate {
public:
    LevelDelegate(const Game& game, LevelPictures& pictures, QObject* parent)
        : QStyledItemDelegate(parent), game_(game), pictures_(pictures) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // An item's size with pictures of that size, its texts in that font.
    static QSize ItemSize(const QFontMetrics& fm, QSize picture);

private:
    const Game& game_;
    LevelPictures& pictures_;
};

} // namespace zt
