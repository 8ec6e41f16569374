#include "hintblink.h"

#include <QWidget>

#include "inputwatch.h"

namespace zt {

namespace {

// The frame on and off every quarter second: it catches the eye at once and
// still lets the tile be seen.
constexpr int BlinkMs = 250;

} // namespace

HintBlink::HintBlink(QWidget* window, std::function<void(int c, int r)> redrawCell)
    : QObject(window), redrawCell_(std::move(redrawCell)),
      watch_(new InputWatch(window, [this] { End(); })) {
    timer_.setInterval(BlinkMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (cell_) {
            lit_ = !lit_;
            redrawCell_(cell_->c, cell_->r);
        }
    });
}

void HintBlink::Start(Cell cell) {
    End();
    cell_ = cell;
    lit_ = true;
    // Lit before the first tick: the frame is there in the same frame of the
    // screen as the key that asked for it.
    redrawCell_(cell.c, cell.r);
    timer_.start();
    watch_->Start();
}

void HintBlink::End() {
    if (!cell_) {
        return;
    }
    const Cell cell = *cell_;
    cell_.reset();
    timer_.stop();
    watch_->Stop();
    redrawCell_(cell.c, cell.r);
    emit Ended();
}

bool HintBlink::FrameOn(int c, int r, bool keyboardFrame) const {
    if (cell_ && *cell_ == Cell{c, r}) {
        return lit_;
    }
    return keyboardFrame;
}

} // namespace zt
