// The program itself, as a player or a desktop starts it: what its command
// line answers, and that it ends cleanly after it has made a sound.
#include <QGuiApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "pulseserver.h"
#include "testpaths.h"
#include "xdriver.h"

namespace {

const QString Program = QString::fromUtf8(zt::testpaths::BuildDir) + "/zorbly-tarnel";

zt::test::PulseServer pulse;

struct Run {
    int exitCode = -1;
    bool crashed = true;
    QString out;
    QString err;
};

// Without any display: the answers must not need one.
Run RunWithoutDisplay(const QStringList& arguments) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(env);
    p.start(Program, arguments);
    Run r;
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitCode();
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// The game's windows as the driver sees them, for a failure's message.
QString Windows(qint64 pid) {
    QStringList seen;
    for (const e2e::Window& w : e2e::VisibleWindows(pid))
        seen << QStringLiteral("%1 %2x%3 \"%4\"").arg(w.id).arg(w.rect.width())
                    .arg(w.rect.height()).arg(w.name);
    return QStringLiteral("focus on %1; windows: %2")
        .arg(e2e::FocusedWindow())
        .arg(seen.join(", "));
}

bool SoundSystemLoaded(qint64 pid) {
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libpulse");
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
    void endsCleanlyAfterASound();
};

void ProgramTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // standard output: exact, or "*" + a part of it
    QTest::addColumn<QString>("err"); // a part of the one line on standard error

    const QString version = QStringLiteral("Zorbly Tarnel V2.2\n");
    QTest::newRow("version") << QStringList{"--version"} << 0 << version << QString();
    QTest::newRow("version short") << QStringList{"-v"} << 0 << version << QString();
    QTest::newRow("version after a Qt option")
        << QStringList{"-platform", "offscreen", "--version"} << 0 << version << QString();
    QTest::newRow("help") << QStringList{"--help"} << 0
                          << "*Usage: zorbly-tarnel [options] [file]\n" << QString();
    QTest::newRow("help lists Qt's options") << QStringList{"-h"} << 0 << "*--platform <name"
                                             << QString();
    QTest::newRow("help lists the version") << QStringList{"--help"} << 0 << "*-v, --version"
                                            << QString();
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QString() << "'bogus'";
    QTest::newRow("unknown single dash") << QStringList{"-x", "--version"} << 2 << QString()
                                         << "'x'";
    QTest::newRow("Qt option without its value") << QStringList{"-platform"} << 2 << QString()
                                                 << "platform'";
    QTest::newRow("two files") << QStringList{"a.ztn", "b.ztn"} << 2 << QString() << "'b.ztn'";
}

void ProgramTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run r = RunWithoutDisplay(arguments);
    QVERIFY(!r.crashed);
    QCOMPARE(r.exitCode, exitCode);
    if (out.startsWith(u'*'))
        QVERIFY2(r.out.contains(out.mid(1)), qPrintable(r.out));
    else
        QCOMPARE(r.out, out);
    if (err.isEmpty()) {
        QCOMPARE(r.err, QString());
    } else {
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
        QCOMPARE(r.err.count(u'\n'), 1);
        QVERIFY(r.err.endsWith(u'\n'));
    }
}

void ProgramTest::endsCleanlyAfterASound() {
    if (!pulse.installed)
        QSKIP("pulseaudio is not installed");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X server (run under xvfb-run)");
    QTemporaryDir config;
    {
        QSettings store(config.filePath("ZorblyGames/ZorblyTarnel-V2.ini"), QSettings::IniFormat);
        store.setValue("common/tongue", 0);
        store.setValue("common/sound", true);
        // A level no few moves solve: the first level's message would stand
        // in the way of the closing question.
        store.setValue("common/level", 250);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("QT_QPA_PLATFORMTHEME");
    for (int run = 1; run <= 20; ++run) {
        QProcess game;
        game.setProcessEnvironment(env);
        game.setProcessChannelMode(QProcess::MergedChannels);
        game.start(Program, {});
        QVERIFY(game.waitForStarted(5000));
        const qint64 pid = game.processId();
        using e2e::Window;
        const Window splash = e2e::WaitForWindow(
            pid, [](const Window& w) { return w.rect.size() == QSize(200, 150); }, 10000);
        QVERIFY2(splash.valid(), "no splash");
        e2e::ClickIn(splash, 100, 75);
        const Window main = e2e::WaitForWindow(
            pid, [](const Window& w) { return w.rect.width() == 520 && w.name.startsWith("Zorbly"); },
            5000);
        QVERIFY2(main.valid(), "no main window");
        QVERIFY(e2e::WaitUntilGone(
            pid, [](const Window& w) { return w.rect.size() == QSize(200, 150); }, 5000));
        // Moves along the middle row until one plays its cue.
        const int boardTop = main.rect.height() - 376;
        for (int c = 0; c < 9 && !SoundSystemLoaded(pid); ++c) {
            e2e::ClickIn(main, 22 + 48 * c + 24, boardTop + 20 + 48 * 3 + 24);
            e2e::WaitFor([pid] { return SoundSystemLoaded(pid); }, 3000);
        }
        QVERIFY2(SoundSystemLoaded(pid), "no move played a sound");
        e2e::ClickIn(main, 144 + 12, 4 + 12);
        const auto isQuestion = [](const Window& w) { return w.rect.width() < 330; };
        const auto isSaveDialog = [](const Window& w) {
            return w.rect.width() > 330 && w.rect.width() != 520;
        };
        // Each key goes once, to a dialog that holds the keyboard focus.
        const Window ask = e2e::WaitForWindow(pid, isQuestion, 5000);
        QVERIFY2(ask.valid(), "no closing question");
        QVERIFY2(e2e::Focus(ask), "the closing question did not take the focus");
        e2e::Key("Return");
        const Window save = e2e::WaitForWindow(pid, isSaveDialog, 10000);
        QVERIFY2(save.valid(), qPrintable(QStringLiteral("run %1: no save dialog after Return "
                                                         "on the question %2; %3")
                                               .arg(run).arg(ask.id).arg(Windows(pid))));
        QVERIFY2(e2e::Focus(save), "the save dialog did not take the focus");
        e2e::Key("Escape");
        const auto ended = [&game](int ms) {
            return game.state() == QProcess::NotRunning || game.waitForFinished(ms);
        };
        QVERIFY2(ended(10000), "the game did not end");
        const QString output = QString::fromLocal8Bit(game.readAll());
        QVERIFY2(game.exitStatus() == QProcess::NormalExit,
                 qPrintable(QStringLiteral("run %1 crashed: %2").arg(run).arg(output)));
        QVERIFY2(game.exitCode() == 0,
                 qPrintable(QStringLiteral("run %1 ended with %2: %3")
                                .arg(run)
                                .arg(game.exitCode())
                                .arg(output)));
    }
}

int main(int argc, char** argv) {
    // Before the game or anything else touches the sound system.
    pulse.Start(false);
    QGuiApplication app(argc, argv); // the screen, for the window finder
    ProgramTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_program.moc"
