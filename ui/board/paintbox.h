// A surface the game draws on at any moment: it keeps its own backing image,
// every drawing goes there at once and the widget only shows it. A paint
// request that the window system makes (first showing, uncovering) runs the
// owner's full paint first; the repaints that follow our own drawing do not.
// On a high-density screen the backing image has the screen's own pixels:
// its size is the widget's times the ratio, and the owner draws into it in
// device pixels. A paint at a ratio other than the image's is a full paint.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

namespace zt {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(QSize size, QWidget* parent);

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // The backing image changed in r (device pixels): show it without a full
    // paint.
    void Changed(const QRect& r);
    void Changed() { Changed(image_.rect()); }

    // The device pixel ratio of the backing image.
    qreal Ratio() const { return ratio_; }
    // A fresh black backing image for another ratio; it asks for a full paint
    // unless one is running.
    void SetRatio(qreal ratio);

    std::function<void()> onFullPaint;
    std::function<void(int x, int y)> onMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSize logical_;
    qreal ratio_ = 1;
    QImage image_;
    QRegion own_;
    bool painting_ = false;
};

} // namespace zt
