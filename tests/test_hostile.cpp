// Starts of the whole game against damaged, huge and odd files: settings,
// level file, progress file and stored window positions. Every start runs in
// a process of its own (a start that hangs must not hang the test) with a
// private home and a copy of the program's folder. The child reports what it
// met on its standard output, one line each; the parent judges.
//
//   test_hostile               the test
//   test_hostile --start DIR   one start of the game in DIR (the child)
//   test_hostile --seeds DIR   the settings files of the corpus, as fuzz seeds
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "appwindows.h"
#include "uiseam.h"
#include "windowplacement.h"
#include "settingsstore.h"
#include "splash.h"
#include "testpaths.h"
#include "languagedialog.h"
#include "messagedialog.h"

namespace {

const char* IniName = "ZorblyTarnel-V2.ini";

void Report(const QString& line) {
    std::fputs((QString(line).replace('\n', ' ') + '\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// ---------------------------------------------------------------- the child

// One start: the windows made as the program makes them, every modal dialog
// answered as it comes, and once the start has settled, the window closed
// the player's way (Yes to the question, the save dialog cancelled).
int RunGame(int argc, char** argv, const QString& programDir) {
    QApplication app(argc, argv);
    // The answers run from the first moment: the start itself may ask.
    zt::GameWindows w;
    zt::TMainForm* form = nullptr;
    bool shown = false;
    bool closing = false;
    int quietTicks = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (form && !shown && form->windowHandle() && form->windowHandle()->isExposed()) {
            shown = true;
            const QRect r = form->frameGeometry();
            const QRect s = form->screen()->geometry();
            Report(QStringLiteral("shown %1 %2 %3 %4 screen %5 %6 %7 %8")
                       .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                       .arg(s.x()).arg(s.y()).arg(s.width()).arg(s.height()));
        }
        if (!modal) {
            // Settled: nothing asked for some time after the window came up.
            if (shown && !closing && ++quietTicks > 30) {
                closing = true;
                const zt::Game& g = form->game();
                const QString& save = zt::TestSeam::ProgressPath(*form);
                Report(QStringLiteral("state tongue=%1 level=%2 sound=%3 caption=%4 %5 save=%6")
                           .arg(static_cast<int>(g.language()))
                           .arg(g.currentLevel())
                           .arg(Controls(*form).SoundBtn->isChecked() ? 1 : 0)
                           .arg(form->windowTitle().size())
                           .arg(form->windowTitle().left(40) + form->windowTitle().right(40))
                           .arg(save.size() > 400 ? QStringLiteral("(long)") : save));
                QMetaObject::invokeMethod(form, "close", Qt::QueuedConnection);
            }
            return;
        }
        quietTicks = 0;
        if (modal->property("answered").toBool())
            return;
        modal->setProperty("answered", true);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Report("box " + box->text());
            box->buttons().last()->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            Report("filedialog");
            dialog->reject();
        } else if (modal == w.YesNoDlg && closing) {
            Report("question");
            w.YesNoDlg->findChild<QPushButton*>("Btn0301")->click();
        } else if (modal == w.TongueDlg) {
            Report("language");
            modal->close();
        } else {
            modal->close();
        }
    });
    answer.start(10);
    w = zt::CreateGameWindows(programDir + '/', true);
    if (w.MainForm->StartFailed()) {
        Report("startfailed");
        return 3;
    }
    form = w.MainForm.get();
    QObject::connect(form, &zt::TMainForm::Closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(
        form, &zt::TMainForm::StartAborted, &app, [] { QCoreApplication::exit(1); },
        Qt::QueuedConnection);
    form->show();
    const int rc = app.exec();
    answer.stop();
    w.MainForm.reset();
    Report("closed");
    return rc;
}

// --------------------------------------------------------------- the corpus

struct Case {
    QString name;
    // Files to lay out, by kind, before the start.
    std::function<void(const QString& ini, const QString& programDir)> make;
    // A message that must come (a part of its text), or none at all.
    QString box;
    // Parts of the child's state line that must be there.
    QStringList state;
    // Checks of what the start left behind, after the close.
    std::function<void(const QString& ini, const QString& programDir)> after;
};

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

void Fifo(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
}

void Folder(const QString& path) {
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path));
}

void Sparse(const QString& path, qint64 size) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(f.resize(size));
}

QByteArray Junk(int size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

QByteArray Settings(const QByteArray& common) {
    return "[common]\n" + common;
}

// The settings files of the corpus that are plain files, by name.
std::vector<std::pair<QString, QByteArray>> SettingsFiles() {
    const QByteArray hugeName = "/" + QByteArray(17 * 1024 * 1024, 'n') + ".ztn";
    return {
        {"junk", Junk(4096, 16) + "\n[common]\n" + Junk(512, 61)},
        {"malformed-first", "[Zorbly\n[common]\ntongue=1\nlevel=17\nsound=0\n"},
        {"malformed-last", Settings("tongue=1\nlevel=17\nsound=0\n[Zorbly\n")},
        {"malformed-between", "[other]\nx=1\n[Zorbly\n[common]\ntongue=1\nlevel=17\nsound=0\n"},
        {"huge-values", Settings("tongue=" + QByteArray(100000, '9') +
                                 "\nlevel=-99999999999999999999\nsound=" +
                                 QByteArray(100000, '1') + "\nsave=" + hugeName +
                                 "\nMainForm=" + QByteArray(1000000, ',') + "\n")},
        {"long-name", Settings("tongue=0\nsave=/tmp/" + QByteArray(3000, 'x') + ".ztn\n")},
    };
}

QString State(const QStringList& lines) {
    for (const QString& l : lines)
        if (l.startsWith("state "))
            return l;
    return {};
}

} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT
    QString gameDir_ = QString::fromUtf8(zt::testpaths::BuildDir);

    // One start in a fresh home with a fresh copy of the program's folder.
    void Start(const Case& c) {
        QTemporaryDir root;
        const QString home = root.filePath("home");
        const QString config = root.filePath("config");
        const QString prog = root.filePath("game");
        const QString ini = config + "/ZorblyGames/" + IniName;
        QDir().mkpath(home);
        QDir().mkpath(prog);
        for (const char* name : {"ztrn.dat", "ZTRN2.HLP"})
            QVERIFY(QFile::copy(gameDir_ + '/' + name, prog + '/' + name));
        Write(ini, "[common]\ntongue=0\n");
        c.make(ini, prog);
        if (QTest::currentTestFailed())
            return;

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", config);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        // The child's complaints only when something went wrong.
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(QCoreApplication::applicationFilePath(), {"--start", prog});
        QVERIFY(child.waitForStarted());
        // The child ends by itself once its window has shown, or once the
        // start has failed; the bound only keeps a hung start from hanging
        // the suite.
        QStringList lines;
        const bool ended = child.waitForFinished(120000);
        if (!ended) {
            child.kill();
            child.waitForFinished(5000);
        }
        while (child.canReadLine())
            lines << QString::fromUtf8(child.readLine()).trimmed();
        const bool shown = std::any_of(lines.begin(), lines.end(),
                                       [](const QString& l) { return l.startsWith("shown "); });
        const QString all = lines.join("\n  ") + "\n  stderr: " +
                            QString::fromLocal8Bit(child.readAllStandardError().right(2000));
        QVERIFY2(ended, qPrintable("the start hung:\n  " + all));
        QVERIFY2(shown, qPrintable("no window shown:\n  " + all));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable("the run did not end well:\n  " + all));
        QVERIFY2(lines.contains("closed"), qPrintable(all));

        const QStringList boxes = lines.filter(QRegularExpression("^box "));
        if (c.box.isEmpty()) {
            QVERIFY2(boxes.isEmpty(), qPrintable("unexpected message:\n  " + all));
        } else {
            QVERIFY2(boxes.size() == 1 && boxes.first().contains(c.box),
                     qPrintable("expected the message \"" + c.box + "\":\n  " + all));
        }
        const QString state = State(lines);
        for (const QString& part : c.state)
            QVERIFY2(state.contains(part), qPrintable("expected " + part + " in " + state));

        // The window lies on the screen, whatever position was stored.
        const QStringList shownAt = lines.filter(QRegularExpression("^shown "))
                                        .first()
                                        .split(' ', Qt::SkipEmptyParts);
        const QRect frame(shownAt[1].toInt(), shownAt[2].toInt(), shownAt[3].toInt(),
                          shownAt[4].toInt());
        const QRect screen(shownAt[6].toInt(), shownAt[7].toInt(), shownAt[8].toInt(),
                           shownAt[9].toInt());
        QVERIFY2(screen.intersects(frame), qPrintable(lines.filter("shown").first()));

        // A plain settings file reads back healthy: every value the close
        // wrote, parsed without complaint.
        if (QFileInfo(ini).isFile() && QFileInfo(ini).isReadable()) {
            QSettings raw(ini, QSettings::IniFormat);
            raw.allKeys();
            QCOMPARE(raw.status(), QSettings::NoError);
            qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
            zt::TCKIniCtrl store;
            const int tongue = store.ReadNumber("common", "tongue", -2);
            const int level = store.ReadNumber("common", "level", -2);
            const int sound = store.ReadNumber("common", "sound", -2);
            QVERIFY2(state.contains(QStringLiteral("tongue=%1 level=%2 sound=%3")
                                        .arg(tongue)
                                        .arg(level)
                                        .arg(sound)),
                     qPrintable(state));
            const QString save = store.ReadText("common", "save", QString());
            QVERIFY(!save.isEmpty() && save.size() < 4096);
            QVERIFY(zt::ParsePlacement(store.ReadText("common", "MainForm", QString())));
        }
        if (c.after)
            c.after(ini, prog);
    }

    static void SettingsCase(std::vector<Case>& cases, const QString& name,
                             const QByteArray& content, QStringList state,
                             QString box = QString()) {
        cases.push_back({"settings " + name,
                         [content](const QString& ini, const QString&) { Write(ini, content); },
                         box, state, {}});
    }

    std::vector<Case> Corpus() {
        std::vector<Case> cases;
        const QStringList german17 = {"tongue=1 level=17 sound=0"};
        for (const auto& [name, content] : SettingsFiles()) {
            if (name.startsWith("malformed"))
                SettingsCase(cases, name, content, german17);
            else if (name == "huge-values")
                // The name could never be a file: the default file instead.
                SettingsCase(cases, name, content, {"level=1 ", "/noname.ztn"});
            else if (name == "long-name")
                // The caption carries a name of at most 255 characters.
                SettingsCase(cases, name, content, {"caption=" + QString::number(26 + 255)});
            else
                SettingsCase(cases, name, content, {"level=1 "});
        }
        // Not a plain file: every default, and the thing itself left alone.
        auto untouched = [](bool fifo) {
            return [fifo](const QString& ini, const QString&) {
                struct stat st {};
                QVERIFY(lstat(QFile::encodeName(ini).constData(), &st) == 0);
                QVERIFY(fifo ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode));
            };
        };
        cases.push_back({"settings fifo", [](const QString& ini, const QString&) { Fifo(ini); },
                         "", QStringList{"tongue=-1 level=1 sound=1"}, untouched(true)});
        cases.push_back({"settings folder",
                         [](const QString& ini, const QString&) { Folder(ini); }, "",
                         QStringList{"tongue=-1 level=1 sound=1"}, untouched(false)});
        cases.push_back({"settings unreadable",
                         [](const QString& ini, const QString&) {
                             Write(ini, Settings("tongue=1\nlevel=17\nsound=0\n"));
                             QFile::setPermissions(ini, {});
                         },
                         "",
                         // Permission bits do not stop root.
                         QStringList{geteuid() == 0 ? "tongue=1 level=17 sound=0"
                                                    : "tongue=-1 level=1 sound=1"},
                         {}});

        // Level files: nothing to play, said so, and the game still comes up.
        const QString noLevel = "holds no complete level";
        const QString missing = "is missing or cannot be opened";
        auto levels = [&](const QString& name, std::function<void(const QString&)> make,
                          const QString& box) {
            cases.push_back(
                {"levels " + name,
                 [make](const QString&, const QString& prog) { make(prog + "/ztrn.dat"); }, box,
                 QStringList{}, {}});
        };
        levels("empty", [](const QString& p) { Write(p, {}); }, noLevel);
        levels("40 bytes", [](const QString& p) { Write(p, Junk(40, 40)); }, noLevel);
        levels("fifo", [](const QString& p) { Fifo(p); }, missing);
        levels("folder", [](const QString& p) { Folder(p); }, missing);
        levels("1 GB sparse", [](const QString& p) { Sparse(p, qint64(1) << 30); }, "");

        // Progress files, the remembered one: only a pipe cannot be read.
        auto progress = [&](const QString& name, std::function<void(const QString&)> make,
                            bool fails) {
            cases.push_back({"progress " + name,
                             [make](const QString&, const QString& prog) {
                                 make(prog + "/noname.ztn");
                             },
                             fails ? "Error occured while loading file " : "", QStringList{},
                             {}});
        };
        progress("junk", [](const QString& p) { Write(p, Junk(500, 5)); }, false);
        progress("empty", [](const QString& p) { Write(p, {}); }, false);
        progress("40 bytes", [](const QString& p) { Write(p, Junk(40, 4)); }, false);
        progress("fifo", [](const QString& p) { Fifo(p); }, true);
        progress("folder", [](const QString& p) { Folder(p); }, false);
        progress("1 GB sparse", [](const QString& p) { Sparse(p, qint64(1) << 30); }, false);
        progress(
            "unreadable",
            [](const QString& p) {
                Write(p, QByteArray(500, '\1'));
                QFile::setPermissions(p, {});
            },
            geteuid() != 0);

        // Stored positions far off the screen, on every side.
        for (const QPoint at : {QPoint(-5000, 100), QPoint(5000, 100), QPoint(100, -5000),
                                QPoint(100, 5000), QPoint(-5000, -5000), QPoint(5000, 5000)}) {
            const QByteArray text = QStringLiteral("200,0,1,%1,%2,%3,%4")
                                        .arg(at.x())
                                        .arg(at.y())
                                        .arg(at.x() + 526)
                                        .arg(at.y() + 461)
                                        .toLatin1();
            SettingsCase(cases, "position " + text,
                         Settings("tongue=0\nMainForm=\"" + text + "\"\n"), {"tongue=0 "});
        }
        return cases;
    }

private slots:
    void startsAgainstHostileFiles_data() {
        QTest::addColumn<int>("index");
        const std::vector<Case> cases = Corpus();
        for (std::size_t i = 0; i < cases.size(); ++i)
            QTest::newRow(qPrintable(cases[i].name)) << int(i);
    }

    void startsAgainstHostileFiles() {
        QFETCH(int, index);
        Start(Corpus()[std::size_t(index)]);
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--start") == 0) {
        int childArgc = 1;
        return RunGame(childArgc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && qstrcmp(argv[1], "--seeds") == 0) {
        const QString dir = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(dir);
        for (const auto& [name, content] : SettingsFiles()) {
            // Seeds stay small; the huge one is cut to its start.
            QFile f(dir + "/hostile-" + name + ".ini");
            if (!f.open(QIODevice::WriteOnly) || f.write(content.left(64 * 1024)) < 0)
                return 1;
        }
        return 0;
    }
    QCoreApplication app(argc, argv);
    HostileFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hostile.moc"
