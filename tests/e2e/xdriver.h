// Drives a real program on an X server the way a player does: xdotool for the
// mouse and keyboard, screenshots of the root window for the eyes.
#pragma once

#include <QImage>
#include <QMargins>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

namespace e2e {

// Runs xdotool with the arguments; returns its standard output, trimmed.
QString XDo(const QStringList& args);

struct Window {
    qulonglong id = 0;
    QRect rect;  // client area on the screen
    QString name;
    bool valid() const { return id != 0; }
};

// Every visible top-level window of the process with the given pid.
QList<Window> VisibleWindows(qint64 pid);
// The first visible window of pid for which pick returns true, within timeoutMs.
Window WaitForWindow(qint64 pid, const std::function<bool(const Window&)>& pick, int timeoutMs);
// Waits until no visible window of pid matches pick.
bool WaitUntilGone(qint64 pid, const std::function<bool(const Window&)>& pick, int timeoutMs);

// The frame a window manager has put around the window (none without one).
QMargins FrameExtents(const Window& w);
// Whether the window carries an icon of its own for the window manager.
bool HasIcon(const Window& w);
void MoveWindow(const Window& w, int x, int y);

// The whole screen as it is now.
QImage Screenshot();

void Click(int x, int y);
void ClickIn(const Window& w, int x, int y);  // client coordinates
void Key(const QString& keys);                // e.g. "Return", "Escape", "Right"
// Gives the window the keyboard focus (without a window manager nobody else
// does) and waits until the X server reports it there. Keys sent afterwards
// reach that window, in order after its focus event.
bool Focus(const Window& w);
// The window that holds the keyboard focus (0 when none of a program's).
qulonglong FocusedWindow();
void Type(const QString& text);

// Polls ready() until it holds, for up to timeoutMs: the one place the
// driver waits. Returns whether it came to hold.
bool WaitFor(const std::function<bool()>& ready, int timeoutMs);

}  // namespace e2e
