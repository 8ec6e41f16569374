// The opening effect's outlines. The screen outlines of old were drawn by
// exclusive or, so drawing one twice took it away again; here one small
// window, masked to the outlines now showing, stands in for them and leaves
// nothing behind when it goes.
#pragma once

#include <QList>
#include <QRect>
#include <QRegion>
#include <QWidget>

namespace zt {

class OutlineWindow : public QWidget {
    friend struct TestSeam;

public:
    // The outlines of one pass, smallest first, in screen coordinates.
    explicit OutlineWindow(QList<QRect> outlines);

    // Steps 1..n draw outline after outline; steps n+1..2n take them away
    // again in the same order. Step 2n leaves nothing and hides the window.
    void ShowStep(int step);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QRect> outlines_;
    QRect bounds_;
    QRegion showing_;
};

// The one-pixel frame of a rectangle.
QRegion Ring(const QRect& rect);

} // namespace zt
