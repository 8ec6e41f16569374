// A plain Qt window of the game's size whose 75 ms timer redraws one 48 x 48
// square, as the game redraws its selected cell.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Minimal : public QWidget {
public:
    Minimal() {
        setWindowTitle(QStringLiteral("ZTRN minimal window"));
        setFixedSize(520, 409);
        connect(&timer_, &QTimer::timeout, this, [this] {
            frame_ = (frame_ + 1) % 8;
            update(QRect(22, 53, 48, 48));
        });
        timer_.start(75);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        p.fillRect(QRect(22, 53, 48, 48), QColor::fromHsv(45 * frame_, 200, 200));
    }

private:
    QTimer timer_;
    int frame_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Minimal w;
    w.show();
    return app.exec();
}
