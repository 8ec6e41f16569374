// The title picture shown once at start. Its timer runs from the moment the
// window is made, so the time since start-up shortens the first showing.
#pragma once

#include <QDialog>
#include <functional>

class QTimer;

namespace zt {

class TSplash : public QDialog {
    Q_OBJECT
    friend struct TestSeam;

public:
    // It shows at the game's scale (WindowScale).
    explicit TSplash(QWidget* parent = nullptr);

    // Ends the showing; does nothing visible when the window is hidden.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTimer* timer_;
    int artTimes_ = 0; // the art in picture_: 1, 2 or 3 times the pixels
    void UseArtFor(qreal ratio);
    QPixmap picture_;
};

} // namespace zt
