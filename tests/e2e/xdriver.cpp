#include "xdriver.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <algorithm>

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

// Where the window stands on the screen. xdotool counts a framed window's
// offset in its frame twice; xwininfo does not.
static QPoint AbsolutePosition(qulonglong id, QPoint fallback) {
    QProcess p;
    p.start(QStringLiteral("xwininfo"), {"-id", QString::number(id)});
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return fallback;
    }
    QPoint at = fallback;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const QString value = line.section(':', 1).trimmed();
        if (line.contains("Absolute upper-left X")) at.setX(value.toInt());
        if (line.contains("Absolute upper-left Y")) at.setY(value.toInt());
    }
    return at;
}

QList<Window> VisibleWindows(qint64 pid) {
    // One xdotool run for the search, every geometry and every name: spawning
    // a process per question would make a slow player of the driver.
    // Only the program's own windows carry its class; a window manager's
    // frames around them carry its pid too.
    QString out = XDo({"search", "--all", "--onlyvisible", "--pid", QString::number(pid),
                       "--class", ".", "getwindowgeometry", "--shell", "%@", "getwindowname",
                       "%@"});
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
    for (auto& w : all) {
        w.rect.moveTopLeft(AbsolutePosition(w.id, w.rect.topLeft()));
        // The search also names the root window; it is nobody's dialog.
        bool root = w.rect == QGuiApplication::primaryScreen()->geometry() && w.name.isEmpty();
        if (!root && w.rect.width() > 1 && w.rect.height() > 1) {
            result.push_back(w);
        }
    }
    return result;
}

bool WaitFor(const std::function<bool()>& ready, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    for (;;) {
        if (ready()) {
            return true;
        }
        if (t.elapsed() >= timeoutMs) {
            return false;
        }
        QThread::msleep(30);
    }
}

Window WaitForWindow(qint64 pid, const std::function<bool(const Window&)>& pick, int timeoutMs) {
    Window found;
    WaitFor(
        [&] {
            for (const Window& w : VisibleWindows(pid)) {
                if (pick(w)) {
                    found = w;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool WaitUntilGone(qint64 pid, const std::function<bool(const Window&)>& pick, int timeoutMs) {
    return WaitFor(
        [&] {
            const QList<Window> all = VisibleWindows(pid);
            return std::none_of(all.begin(), all.end(), pick);
        },
        timeoutMs);
}

static QString XProp(const Window& w, const QString& property) {
    QProcess p;
    p.start(QStringLiteral("xprop"), {"-id", QString::number(w.id), property});
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QMargins FrameExtents(const Window& w) {
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    const QString out = XProp(w, "_NET_FRAME_EXTENTS");
    const QStringList v = out.section('=', 1).split(',');
    if (!out.contains('=') || v.size() != 4) {
        return {};
    }
    return QMargins(v[0].trimmed().toInt(), v[2].trimmed().toInt(), v[1].trimmed().toInt(),
                    v[3].trimmed().toInt());
}

bool HasIcon(const Window& w) {
    return XProp(w, "_NET_WM_ICON").contains("Icon (");
}

void MoveWindow(const Window& w, int x, int y) {
    XDo({"windowmove", QString::number(w.id), QString::number(x), QString::number(y)});
}

QImage Screenshot() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

void Click(int x, int y) {
    // Through a point beside it, as a hand moves: a pointer that stands still
    // since a dialog closed under it lets Qt miss the next click.
    XDo({"mousemove", "--sync", QString::number(x + 3), QString::number(y + 3), "mousemove",
         "--sync", QString::number(x), QString::number(y), "click", "1"});
}

void ClickIn(const Window& w, int x, int y) { Click(w.rect.x() + x, w.rect.y() + y); }

void Key(const QString& keys) { XDo({"key", "--clearmodifiers", keys}); }

qulonglong FocusedWindow() {
    return XDo({"getwindowfocus"}).toULongLong();
}

bool Focus(const Window& w) {
    XDo({"windowfocus", "--sync", QString::number(w.id)});
    return WaitFor([&w] { return FocusedWindow() == w.id; }, 5000);
}

void Type(const QString& text) { XDo({"type", "--delay", "20", text}); }

}  // namespace e2e
