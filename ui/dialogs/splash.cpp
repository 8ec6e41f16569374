#include "splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "framing.h"
#include "glyphs.h"
#include "layout.h"

namespace zt {

namespace {

// The title art fills the window; it has no see-through colour.
const char* const SplashArt = ":/glyphs/splash.bmp";

} // namespace

TSplash::TSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Splash"));
    setFixedSize(200, 150);
    UseArtFor(HighDensity() ? 2 : 1);
    timer_->setInterval(3000);
    connect(timer_, &QTimer::timeout, this, &TSplash::Click);
    timer_->start();
}

void TSplash::UseArtFor(qreal ratio) {
    // The art with more pixels is drawn smaller, never the other enlarged; art
    // that cannot be read gives way to the 1x art.
    const int times = ArtTimes(ratio);
    if (times <= artTimes_) {
        return;
    }
    QPixmap art =
        QPixmap::fromImage(ReadPicture(WithPixels(QString::fromLatin1(SplashArt), times), "bmp"));
    if (art.isNull() && picture_.isNull()) {
        art = QPixmap::fromImage(ReadPicture(QString::fromLatin1(SplashArt), "bmp"));
    }
    if (!art.isNull()) {
        picture_ = art;
    }
    artTimes_ = times;
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
    const qreal scale = WindowScale();
    setFixedSize(Scaled(200, scale), Scaled(150, scale));
    UseArtFor(devicePixelRatioF() * scale);
    // Frameless: its outer rectangle is its own.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(CentredRect(size(), screen->geometry()).topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace zt
