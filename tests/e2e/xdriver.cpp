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

QList<Window> VisibleWindows(qint64 pid) {
    // One xdotool run for the search, every geometry and every name: spawning
    // a process per question would make a slow player of the driver.
    QString out = XDo({"search", "--onlyvisible", "--pid", QString::number(pid), "",
                       "getwindowgeometry", "--shell", "%@", "getwindowname", "%@"});
    QList<Window> all;
    QStringList lines = out.split('\n');
    int i = 0;
    for (; i < lines.size() && lines[i].contains('='); ++i) {
        auto kv = lines[i].split('=');
        int v = kv[1].toInt();
        if (kv[0] == "WINDOW") {
            all.push_back({});
            all.back().id = kv[1].toULongLong();
        } else if (!all.isEmpty()) {
            QRect& r = all.back().rect;
            if (kv[0] == "X") r.moveLeft(v);
            if (kv[0] == "Y") r.moveTop(v);
            if (kv[0] == "WIDTH") r.setWidth(v);
            if (kv[0] == "HEIGHT") r.setHeight(v);
        }
    }
    // The names follow, one line per window in the same order.
    for (auto& w : all) {
        w.name = i < lines.size() ? lines[i++] : QString();
    }
    QList<Window> result;
    for (const auto& w : all) {
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
    XDo({"mousemove", "--sync", QString::number(x), QString::number(y), "click", "1"});
}

void ClickIn(const Window& w, int x, int y) { Click(w.rect.x() + x, w.rect.y() + y); }

void Key(const QString& keys) { XDo({"key", "--clearmodifiers", keys}); }

void Focus(const Window& w) {
    XDo({"windowfocus", "--sync", QString::number(w.id)});
    QThread::msleep(100);
}

void Type(const QString& text) { XDo({"type", "--delay", "20", text}); }

void Pause(int ms) { QThread::msleep(ms); }

}  // namespace e2e
