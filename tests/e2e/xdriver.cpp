#include "xdriver.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

namespace e2e {

QString XDo(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

static Window Describe(qulonglong id) {
    Window w;
    w.id = id;
    // --shell prints X=, Y=, WIDTH=, HEIGHT= lines.
    QString geo = XDo({"getwindowgeometry", "--shell", QString::number(id)});
    int x = 0, y = 0, width = 0, height = 0;
    for (const QString& line : geo.split('\n')) {
        auto kv = line.split('=');
        if (kv.size() != 2) {
            continue;
        }
        int v = kv[1].toInt();
        if (kv[0] == "X") x = v;
        if (kv[0] == "Y") y = v;
        if (kv[0] == "WIDTH") width = v;
        if (kv[0] == "HEIGHT") height = v;
    }
    w.rect = QRect(x, y, width, height);
    w.name = XDo({"getwindowname", QString::number(id)});
    return w;
}

QList<Window> VisibleWindows(qint64 pid) {
    QList<Window> result;
    QString out = XDo({"search", "--onlyvisible", "--pid", QString::number(pid), ""});
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
        Window w = Describe(line.toULongLong());
        // The search also names the root window; it is nobody's dialog.
        bool root = w.rect == QGuiApplication::primaryScreen()->geometry() && w.name.isEmpty();
        if (!root && w.rect.width() > 1 && w.rect.height() > 1) {
            result.push_back(w);
        }
    }
    return result;
}

Window WaitForWindow(qint64 pid, const std::function<bool(const Window&)>& pick, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    do {
        for (const Window& w : VisibleWindows(pid)) {
            if (pick(w)) {
                return w;
            }
        }
        QThread::msleep(50);
    } while (t.elapsed() < timeoutMs);
    return {};
}

bool WaitUntilGone(qint64 pid, const std::function<bool(const Window&)>& pick, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    do {
        bool any = false;
        for (const Window& w : VisibleWindows(pid)) {
            any = any || pick(w);
        }
        if (!any) {
            return true;
        }
        QThread::msleep(50);
    } while (t.elapsed() < timeoutMs);
    return false;
}

QImage Screenshot() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

void Click(int x, int y) {
    XDo({"mousemove", "--sync", QString::number(x), QString::number(y)});
    XDo({"click", "1"});
}

void ClickIn(const Window& w, int x, int y) { Click(w.rect.x() + x, w.rect.y() + y); }

void Key(const QString& keys) { XDo({"key", "--clearmodifiers", keys}); }

void Type(const QString& text) { XDo({"type", "--delay", "20", text}); }

void Pause(int ms) { QThread::msleep(ms); }

}  // namespace e2e
