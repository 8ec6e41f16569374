// A private PulseAudio server with a null sink, for programs that play
// sound in tests: nothing is heard, nothing of the machine's own sound
// system is touched.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace zt::test {

struct PulseServer {
    QTemporaryDir dir;
    QProcess server;
    bool installed = !QStandardPaths::findExecutable("pulseaudio").isEmpty();

    QString Socket() const { return dir.filePath("pulse/native"); }

    // Before anything touches the sound system: a process keeps talking to
    // the server it found first. No server is started on demand.
    void Start(bool none) {
        QFile client(dir.filePath("client.conf"));
        client.open(QIODevice::WriteOnly);
        client.write("autospawn = no\n");
        qputenv("PULSE_CLIENTCONFIG", client.fileName().toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + Socket()).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
        qputenv("HOME", dir.path().toLocal8Bit());
        if (none || !installed)
            return;
        QFile config(dir.filePath("server.pa"));
        config.open(QIODevice::WriteOnly);
        config.write("load-module module-null-sink sink_name=ztsink rate=48000\n"
                     "load-module module-native-protocol-unix auth-anonymous=1\n"
                     "set-default-sink ztsink\n");
        config.close();
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "-n",
                                    "--log-level=error", "-F", config.fileName()});
        // The sink comes after the socket: ready once the server names it.
        for (int i = 0; i < 200 && !SinkReady(); ++i)
            QThread::msleep(50);
    }

    bool SinkReady() const {
        if (!QFile::exists(Socket()))
            return false;
        QProcess list;
        list.start("pactl", {"list", "short", "sinks"});
        if (!list.waitForStarted(5000))
            return true; // without pactl the socket is all there is to go by
        if (!list.waitForFinished(5000)) {
            list.kill();
            list.waitForFinished();
            return false;
        }
        return list.readAllStandardOutput().contains("ztsink");
    }

    ~PulseServer() {
        server.terminate();
        if (!server.waitForFinished(5000))
            server.kill();
    }
};

} // namespace zt::test
