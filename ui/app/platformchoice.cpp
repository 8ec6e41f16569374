#include "platformchoice.h"

#include <QByteArray>
#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#endif

namespace zt {

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
bool Connects(const QByteArray& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const int offset = abstract ? 1 : 0; // an abstract name starts with a zero byte
    if (path.isEmpty() || std::size_t(path.size() + offset) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(fd);
    return ok;
}

// Whether the X server that DISPLAY names answers. A local server is asked
// at its socket; a server on another host is taken on trust, as any X
// program does.
bool XServerReachable(const QByteArray& display) {
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0)
        return false;
    const QByteArray host = display.left(colon);
    QByteArray number = display.mid(colon + 1);
    if (const qsizetype dot = number.indexOf('.'); dot >= 0)
        number.truncate(dot);
    bool isNumber = false;
    number.toUInt(&isNumber);
    if (!isNumber)
        return false;
    if (!host.isEmpty() && host != "unix")
        return true;
    const QByteArray socket = "/tmp/.X11-unix/X" + number;
#if defined(Q_OS_LINUX)
    if (Connects(socket, true))
        return true;
#endif
    return Connects(socket, false);
}
#endif

} // namespace

void PreferXInWaylandSession() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool waylandSession = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                                qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (!waylandSession)
        return;
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.isEmpty() && XServerReachable(display))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
}

} // namespace zt
