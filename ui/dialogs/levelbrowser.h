// Every level at a glance: a small picture of each with its number, its
// solved mark, its difficulty and the player's record, in a grid over the
// main window. Typing a number goes to that level, Enter or a double click
// plays it, Escape closes. It opens at the game's zoom, and its pictures grow
// when it is dragged larger.
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
class TCKIniCtrl;

class LevelBrowser : public QDialog {
    Q_OBJECT
    friend struct TestSeam;

public:
    // tiles: the board's tile pictures as they are when the browser opens.
    // settings: where the choice of unsolved levels only is kept, or nothing
    // to keep it for the run. It opens at the game's scale (WindowScale).
    LevelBrowser(const Game& game, const Records& records,
                 std::function<render::Pictures()> tiles, TCKIniCtrl* settings, QWidget* main);
    ~LevelBrowser() override;

    // Shows the levels as they stand now, the current one chosen, and waits
    // for the player: the level to play, or 0 when closed without one.
    int Choose();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Fonts, pictures and the smallest size for the game's scale.
    void ApplyScale(qreal scale);
    // The largest pictures at which four still fit across the grid.
    void FitPictures();
    void UsePictureSize(int size);
    QSize ItemSize(int size) const;
    // Fills the list again, keeping the chosen level in sight where it is shown.
    void Fill(int chosen);
    // A typed number: that level, shown even where the choice hides it.
    void GoTo(int level);
    void ShowSummary();
    void Play(const QModelIndex& index);

    const Game& game_;
    const Records& records_;
    std::function<render::Pictures()> tiles_;
    TCKIniCtrl* settings_;
    QWidget* main_;
    LevelPictures pictures_;
    LevelListModel* model_ = nullptr;
    QLabel* summary_ = nullptr;
    QCheckBox* unsolvedOnly_ = nullptr;
    QListView* view_ = nullptr;
    QFont baseFont_;
    qreal scaled_ = 0;   // the scale laid out for
    int size_ = 0;       // of the pictures, an index of LevelPictures::Sides
    int shownAnyway_ = 0; // a solved level typed while only unsolved ones show
    int played_ = 0;
};

} // namespace zt
