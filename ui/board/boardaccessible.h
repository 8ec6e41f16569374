// The board for assistive technology: a table of 9 x 7 cells, each named in
// the player's language for what a player sees there, the keyboard's frame
// as the focused cell, and what a move changed said out loud.
//
// Qt 6.4 has no announcement event (it came with 6.8), and its description
// and name changes reach a screen reader without the new text: Orca speaks
// the text such an event carries, and passes over name changes of table
// cells. What is said is therefore a notification, a child of the table
// after its cells, hidden and shown again with the new text: Orca speaks a
// notification as it comes into view. The changed cells send name changes
// too, for clients that read the board again.
#pragma once

#include <QAccessible>
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>

#include "cellfacts.h"

class QWidget;

namespace zt {

// What the table reads of the game, asked afresh each time.
struct BoardReading {
    std::function<CellFacts(Cell)> facts;
    std::function<Cell()> framedCell;    // the keyboard's frame
    std::function<QRect(Cell)> cellRect; // in the board widget's pixels
};

// Lives as a child of the board widget; the table's interface finds it there.
// Every call returns at once while no client listens.
class BoardAccessibility : public QObject {
    Q_OBJECT
public:
    BoardAccessibility(QWidget* board, BoardReading reading);

    const BoardReading& Reading() const { return reading_; }
    QWidget* Board() const;
    // What was said last, in the player's language.
    const QString& Announcement() const { return announcement_; }

    // The frame moved; the framed cell has the focus while the board has it.
    void FrameMoved();
    // The board took the focus: its framed cell takes it after the board.
    void FocusEntered();
    // The marked tile went from `from` to `to`; `fits` when the board fits now.
    void Exchanged(Cell from, Cell to, bool fits);
    // A new deal: every cell changed, and what was said of the last one is gone.
    void Dealt();
    // The hint points at `cell`.
    void Hinted(Cell cell);

    // The level in play, as the board's description reads it: a level solved
    // before is dealt anew and does not fit, unlike one solved in this deal.
    void DescribeLevel(int level, bool solvedBefore, bool solvedNow);
    const QString& LevelDescription() const { return levelDescription_; }

    // A cell's name and the one word for its kind, in the player's language.
    QString CellName(Cell cell) const;
    QString KindName(Cell cell) const;

private:
    void Announce(const QString& text);
    void NotificationEvents(std::initializer_list<QAccessible::Event> types);
    void NameChanged(Cell cell) const;

    BoardReading reading_;
    QString announcement_;
    QString levelDescription_;
};

} // namespace zt
