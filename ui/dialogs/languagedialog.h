// The language choice: two buttons, each captioned in its own language.
#pragma once

#include <QDialog>

#include "layout.h"
#include <functional>

#include "game.h"

class QPushButton;

namespace zt {

class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    // The buttons set the game's language; the close box leaves it alone.
    // It opens at the game's scale (WindowScale).
    TTongueDlg(QWidget* main, Game& game);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* main_;
    Game& game_;
    Layout layout_; // at 100 %
    QPushButton* english_;
    QPushButton* german_;
};

} // namespace zt
