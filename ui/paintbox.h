// A surface the game draws on at any moment: it keeps its own backing image,
// every drawing goes there at once and the widget only shows it. A paint
// request that the window system makes (first showing, uncovering) runs the
// owner's full paint first; the repaints that follow our own drawing do not.
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

    // The backing image changed in r: show it without a full paint.
    void Changed(const QRect& r);
    void Changed() { Changed(image_.rect()); }

    std::function<void()> onFullPaint;
    std::function<void(int x, int y)> onMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QRegion own_;
    bool painting_ = false;
};

} // namespace zt
