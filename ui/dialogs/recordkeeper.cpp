#include "recordkeeper.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "levelbrowser.h"
#include "msgbox.h"
#include "recordtexts.h"

namespace zt {

RecordKeeper::RecordKeeper(QWidget* window, const Game& game,
                           std::function<render::Pictures()> tiles,
                           std::function<void(int)> play, TCKIniCtrl* settings,
                           const QString& path)
    : window_(window), game_(game), tiles_(std::move(tiles)), play_(std::move(play)),
      settings_(settings), records_(path) {
    opened_ = records_.Open();
    saving_ = opened_ != Records::Opened::Unusable;
    window_->installEventFilter(this);
    if (window_->isActiveWindow())
        active_.start();
}

RecordKeeper::~RecordKeeper() {
    TakeTime();
    if (saving_ && unsavedMs_ > 0)
        records_.Save();
}

void RecordKeeper::TakeTime() {
    if (!active_.isValid())
        return;
    const qint64 ms = active_.restart();
    if (!noted_)
        dealMs_ += ms; // a solve stops the deal's clock
    unsavedMs_ += ms;
    records_.AddPlayTime(ms);
}

bool RecordKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowActivate) {
        if (!active_.isValid())
            active_.start();
        if (opened_ == Records::Opened::SetAside || opened_ == Records::Opened::Unusable) {
            // After the activation, as the box runs an event loop of its own,
            // and after the splash and the language question, in the
            // language chosen: the window is active again when they go.
            QTimer::singleShot(0, this, [this] {
                if (told_ || QApplication::activeModalWidget() || !window_->isActiveWindow())
                    return;
                told_ = true;
                ErrorBox(window_, recordtexts::SetAside(records_.Path(), records_.SetAsidePath()));
            });
        }
    } else if (watched == window_ && event->type() == QEvent::WindowDeactivate) {
        TakeTime();
        active_.invalidate();
    }
    return false;
}

void RecordKeeper::Dealt() {
    TakeTime();
    dealMs_ = 0;
    noted_ = false;
}

void RecordKeeper::Solved() {
    TakeTime();
    if (noted_)
        return;
    noted_ = true;
    records_.Note(game_.currentLevel(), {game_.SwapsStanding(), game_.DealHintCount(), dealMs_,
                                         game_.HintUsed()});
    if (saving_ && records_.Save())
        unsavedMs_ = 0;
}

void RecordKeeper::OpenBrowser() {
    if (game_.LevelCount() == 0)
        return;
    if (!browser_)
        browser_ = std::make_unique<LevelBrowser>(game_, records_, tiles_, settings_, window_);
    if (const int level = browser_->Choose())
        play_(level);
}

} // namespace zt
