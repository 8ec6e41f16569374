// The granite rim under the board: a line with the deal's swaps, the hint's
// count for the deal ("par") and its active time, and small buttons for what
// the game offers beyond its tool bar: undo, redo, the hint, all levels and
// the two zoom steps. Each button shows its command's action.
#pragma once

#include <QWidget>
#include <array>

class QAction;
class QLabel;
class QToolButton;

namespace zt {

class Layout;

class BoardRim : public QWidget {
    Q_OBJECT
public:
    enum Button { Undo, Redo, Hint, AllLevels, ZoomOut, ZoomIn, ButtonCount };

    // window: where it stands, over the board's rim (not in the board, whose
    // screen reader sees only its cells); boardTop: the board's top in the
    // window at 100 %; layout: where its parts are kept at 100 %.
    BoardRim(QWidget* window, int boardTop, Layout& layout);

    // The buttons show these actions, in the order of Button.
    void ShowActions(const std::array<QAction*, ButtonCount>& actions);
    // The count line; par < 0: not known yet.
    void ShowCount(int swaps, int par, qint64 ms);
    // The buttons' names and tips in the game's language.
    void Describe();

private:
    QLabel* count_;
    std::array<QToolButton*, ButtonCount> buttons_{};
};

} // namespace zt
