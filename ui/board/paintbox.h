// A surface the game draws on at any moment: it keeps its own backing image,
// every drawing goes there at once and the widget only shows it. A paint
// request that the window system makes (first showing, uncovering) runs the
// owner's full paint first; the repaints that follow our own drawing do not.
// On a high-density screen the backing image has the screen's own pixels:
// its size is the widget's times the ratio, and the owner draws into it in
// device pixels. A paint at a ratio other than the image's is a full paint.
// Zoomed, the widget is that many times its base size while the owner still
// draws in the base layout's terms: the image's ratio is then the zoom times
// the screen's, and clicks arrive in base pixels.
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

    // The device pixel ratio of the backing image: image pixels per base pixel.
    qreal Ratio() const { return ratio_; }
    // The widget at zoom times its base size; the owner sets the ratio to match.
    void SetZoom(qreal zoom);
    qreal Zoom() const { return zoom_; }
    // A fresh black backing image for another ratio; it asks for a full paint
    // unless one is running.
    void SetRatio(qreal ratio);

    std::function<void()> onFullPaint;
    std::function<void(int x, int y)> onMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSize logical_; // at zoom 1
    qreal zoom_ = 1;
    qreal ratio_ = 1;
    QImage image_;
    QRegion own_;
    bool painting_ = false;
};

} // namespace zt
