#include "splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "framing.h"
#include "glyphs.h"
#include "zooming.h"

namespace zt {

namespace {

// The title art fills the window; it has no see-through colour.
const char* const Art = ":/glyphs/splash.bmp";

} // namespace

TSplash::TSplash(QWidget* parent, std::function<int()> zoom)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      zoom_(std::move(zoom)), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Splash"));
    setFixedSize(200, 150);
    const QString name = QString::fromLatin1(Art);
    if (HighDensity()) {
        picture_ = QPixmap::fromImage(ReadPicture(TwiceThePixels(name), "bmp"));
        picture_.setDevicePixelRatio(2);
        twice_ = !picture_.isNull();
    }
    if (picture_.isNull()) {
        picture_ = QPixmap::fromImage(ReadPicture(name, "bmp"));
    }
    timer_->setInterval(3000);
    connect(timer_, &QTimer::timeout, this, &TSplash::Click);
    timer_->start();
}

void TSplash::Click() {
    if (isVisible()) {
        accept();
    }
}

void TSplash::mousePressEvent(QMouseEvent*) {
    Click();
}

void TSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 0));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), picture_);
}

void TSplash::showEvent(QShowEvent* event) {
    const int percent = zoom_();
    setFixedSize(Zoomed(200, percent), Zoomed(150, percent));
    // Zoomed, the art with twice the pixels is drawn smaller, not the other
    // enlarged.
    if (percent > 100 && !twice_) {
        QPixmap twice =
            QPixmap::fromImage(ReadPicture(TwiceThePixels(QString::fromLatin1(Art)), "bmp"));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2);
            picture_ = twice;
            twice_ = true;
        }
    }
    // Frameless: its outer rectangle is its own.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(CentredRect(size(), screen->geometry()).topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace zt
