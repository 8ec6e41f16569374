// The language choice: two buttons, each captioned in its own language.
#pragma once

#include <QDialog>
#include <functional>

#include "game.h"

class QPushButton;

namespace zt {

class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    // The buttons set the game's language; the close box leaves it alone.
    // zoom (in per cent) is asked at every showing.
    TTongueDlg(QWidget* main, Game& game, std::function<int()> zoom = [] { return 100; });

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* main_;
    Game& game_;
    std::function<int()> zoom_;
    QPushButton* english_;
    QPushButton* german_;
};

} // namespace zt
