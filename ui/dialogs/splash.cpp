#include "splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "framing.h"
#include "glyphs.h"

namespace zt {

TSplash::TSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Splash"));
    setFixedSize(200, 150);
    // The title art fills the window; it has no see-through colour.
    const QString name = QStringLiteral(":/glyphs/splash.bmp");
    if (HighDensity()) {
        picture_ = QPixmap::fromImage(ReadPicture(TwiceThePixels(name), "bmp"));
        picture_.setDevicePixelRatio(2);
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
    p.drawPixmap(0, 0, picture_);
}

void TSplash::showEvent(QShowEvent* event) {
    // Frameless: its outer rectangle is its own.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(CentredRect(size(), screen->geometry()).topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace zt
