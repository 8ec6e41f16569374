// The hinted cell in a blinking frame. It shows at once and blinks until the
// player does anything: a key or a click anywhere in the window, whatever has
// the focus, or a swap, ends it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

#include "game.h"

class QWidget;

namespace zt {

class InputWatch;

class HintBlink : public QObject {
    Q_OBJECT
public:
    // window: where keys and clicks end the hint.
    HintBlink(QWidget* window, std::function<void(int c, int r)> redrawCell);

    void Start(Cell cell);
    void End();
    bool Standing() const { return cell_.has_value(); }
    std::optional<Cell> HintedCell() const { return cell_; }
    // Whether a frame goes on cell (c, r): while the hint stands there, as it
    // blinks; else the keyboard's.
    bool FrameOn(int c, int r, bool keyboardFrame) const;

signals:
    void Ended();

private:
    std::function<void(int, int)> redrawCell_;
    std::optional<Cell> cell_;
    bool lit_ = false;
    QTimer timer_;
    InputWatch* watch_;
};

} // namespace zt
