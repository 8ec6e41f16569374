// Every level at a glance: a small picture of each with its number, its
// solved mark and the player's record, in a grid over the main window.
// Typing a number goes to that level, Enter or a double click plays it,
// Escape closes.
#pragma once

#include <QDialog>
#include <functional>

#include "game.h"
#include "levelpictures.h"
#include "records.h"

class QCheckBox;
class QLabel;
class QListView;

namespace zt {

class LevelListModel;

class LevelBrowser : public QDialog {
    Q_OBJECT
    friend struct TestSeam;

public:
    // tiles: the board's tile pictures as they are when the browser opens.
    LevelBrowser(const Game& game, const Records& records,
                 std::function<render::Pictures()> tiles, QWidget* main);
    ~LevelBrowser() override;

    // Shows the levels as they stand now, the current one chosen, and waits
    // for the player: the level to play, or 0 when closed without one.
    int Choose();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Fills the list again, keeping the chosen level in sight where it is shown.
    void Fill(int chosen);
    void Play(const QModelIndex& index);

    const Game& game_;
    const Records& records_;
    std::function<render::Pictures()> tiles_;
    QWidget* main_;
    LevelPictures pictures_;
    LevelListModel* model_ = nullptr;
    QLabel* summary_ = nullptr;
    QCheckBox* unsolvedOnly_ = nullptr;
    QListView* view_ = nullptr;
    int played_ = 0;
};

} // namespace zt
