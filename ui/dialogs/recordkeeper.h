// Keeps the player's records as the game is played, and opens the level
// browser. The window tells it of every deal and solve; it times each deal
// while the window is active, and writes the records after each solve.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>

#include "game.h"
#include "records.h"
#include "render.h"

class QWidget;

namespace zt {

class LevelBrowser;
class TCKIniCtrl;

class RecordKeeper : public QObject {
    Q_OBJECT
    friend struct TestSeam;

public:
    // window: the main window, whose activity is timed. play: what moving
    // the level selector to a level does. settings: the store, where the
    // level browser keeps its choice.
    RecordKeeper(QWidget* window, const Game& game, std::function<render::Pictures()> tiles,
                 std::function<void(int level)> play, TCKIniCtrl* settings = nullptr,
                 const QString& path = Records::DefaultPath());
    // Keeps the time played of the last deal.
    ~RecordKeeper() override;

    // A deal starts the clock anew.
    void Dealt();
    // The deal in play was solved: a record, written at once.
    void Solved();
    // Opens the level browser; a level chosen there is played.
    void OpenBrowser();

    const Records& records() const { return records_; }
    // The deal's time so far, the window active; a solve stops it.
    qint64 DealTime() const {
        return noted_ ? dealMs_ : dealMs_ + (active_.isValid() ? active_.elapsed() : 0);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The time since the clock last looked, the window active, into the
    // deal's time and the time played.
    void TakeTime();

    QWidget* window_;
    const Game& game_;
    std::function<render::Pictures()> tiles_;
    std::function<void(int)> play_;
    TCKIniCtrl* settings_;
    Records records_;
    Records::Opened opened_;
    bool saving_ = true;   // false when the file could not even be set aside
    bool told_ = false;    // the set-aside message, once
    bool noted_ = false;   // this deal's solve is in the records
    QElapsedTimer active_; // running while the window is active
    qint64 dealMs_ = 0;
    qint64 unsavedMs_ = 0;
    std::unique_ptr<LevelBrowser> browser_;
};

} // namespace zt
