// The settings store: the texts it leaves on disk, how it reads what others
// (or damage) left there, and a store that cannot be written.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <memory>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "settingsstore.h"

using zt::TCKIniCtrl;

class SettingsTest : public QObject {
    Q_OBJECT
    // A folder of its own for every case: QSettings, which the cases read the
    // file with as other programs do, keeps what it parsed of a file by its
    // name while its time and size seem unchanged.
    std::unique_ptr<QTemporaryDir> home_;

    QString IniFile() const { return home_->filePath("ZorblyGames/ZorblyTarnel-V2.ini"); }

    void WriteRaw(const QByteArray& content) {
        QDir().mkpath(QFileInfo(IniFile()).path());
        QFile file(IniFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private slots:
    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", home_->path().toLocal8Bit());
        QFile::remove(IniFile());
    }

    void runInGermanAtLevel17WithoutSound() {
        const QString save = home_->filePath("Spiele, alte/level,5 ü.ztn");
        const QString placement = "200,0,1,100,50,626,511";
        {
            TCKIniCtrl ini;
            QCOMPARE(ini.Location(), IniFile());
            // First start: every default, and reading creates nothing.
            QCOMPARE(ini.ReadNumber("common", "tongue", -1), -1);
            QCOMPARE(ini.ReadFlag("common", "sound", true), true);
            QCOMPARE(ini.ReadText("common", "save", "/g/noname.ztn"), QString("/g/noname.ztn"));
            QVERIFY(!QFile::exists(IniFile()));
            ini.WriteFlag("common", "sound", false);
            ini.WriteNumber("common", "level", 17);
            ini.WriteNumber("common", "tongue", 1);
            // On disk as soon as the write returns.
            QFile file(IniFile());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray raw = file.readAll();
            for (const char* line : {"[common]", "sound=0", "level=17", "tongue=1"})
                QVERIFY2(raw.contains(line), line);
            ini.WriteText("common", "save", save);
            ini.WriteText("common", "MainForm", placement);
            QVERIFY(ini.LastWriteOk());
        }
        // The next start: a fresh store, nothing carried over but the file.
        TCKIniCtrl next;
        QCOMPARE(next.ReadFlag("common", "sound", true), false);
        QCOMPARE(next.ReadNumber("common", "level", 1), 17);
        QCOMPARE(next.ReadNumber("common", "tongue", -1), 1);
        QCOMPARE(next.ReadText("common", "save", "x"), save);
        QCOMPARE(next.ReadText("common", "MainForm", QString()), placement);
        // Sound on again is stored as "1".
        next.WriteFlag("common", "sound", true);
        QCOMPARE(next.ReadNumber("common", "sound", 5), 1);
    }

    void textsAsQSettingsWritesThem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        for (const char* text : {"", "a,b,c", " padded ", "q\"u\\o", "t\tn\nr\r\x01\x7f", "@at",
                                 "@@", "@Rect(1 2 3 4)", "s;e=q", "\xc3\xa4 \xf0\x9f\x98\x80"})
            QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(text);
        QTest::newRow("zero") << QString::fromUtf8("a\0" "1", 3) << "a";
    }

    void textsAsQSettingsWritesThem() {
        QFETCH(QString, text);
        QFETCH(QString, read);
        TCKIniCtrl().WriteText("common", "MainForm", text);
        TCKIniCtrl().WriteNumber("view", "zoom", 150);
        QCOMPARE(TCKIniCtrl().ReadText("common", "MainForm", "none"), read);
        const QString theirs = home_->filePath("theirs.ini");
        QSettings qt(theirs, QSettings::IniFormat);
        qt.setValue("common/MainForm", text);
        qt.setValue("view/zoom", "150");
        qt.sync();
        QFile mine(IniFile()), their(theirs);
        QVERIFY(mine.open(QIODevice::ReadOnly) && their.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), their.readAll());
    }

    void damagedValues_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("text");
        QTest::newRow("numbers") << QByteArray("sound=2\nlevel=-5\n") << true << -5 << "";
        QTest::newRow("negative") << QByteArray("sound=-1\n") << true << 1 << ""; // not zero: on
        QTest::newRow("zero") << QByteArray("sound=0\nlevel= 17\n") << false << 17 << "";
        QTest::newRow("words") << QByteArray("sound=loud\nlevel=seventeen\n") << true << 1 << "";
        QTest::newRow("empty") << QByteArray("sound=\nlevel=\nMainForm=\n") << true << 1 << "";
        QTest::newRow("not decimal") << QByteArray("sound=1e3\nlevel=0x11\n") << true << 1 << "";
        QTest::newRow("too large") << QByteArray("level=2147483648\n") << true << 1 << "";
        // Unquoted commas make a list for the INI reader; it was one text.
        QTest::newRow("lists") << QByteArray("level=1,2\nMainForm=200,0,1,1,2,3,4\n") << true << 1
                               << "200,0,1,1,2,3,4";
        QTest::newRow("quoted") << QByteArray("level=\"42\"\nMainForm=\"a,b\"\n") << true << 42
                                << "a,b";
        QTest::newRow("escapes") << QByteArray("MainForm=\"a\\tb\\x41\\101\\q\" \n") << true << 1
                                 << "a\tbAA";
        QTest::newRow("after quotes") << QByteArray("MainForm=\"a\" b \n") << true << 1 << "ab ";
        QTest::newRow("marked texts") << QByteArray("level=@@3\nMainForm=\"@String(x,y)\"\n") << true
                                      << 1 << "x,y";
        QTest::newRow("marked list") << QByteArray("MainForm=@@a,b\n") << true << 1 << "@a,b";
        QTest::newRow("typed list") << QByteArray("MainForm=@@a,@Rect(1 2 3 4)\n") << true << 1 << "";
        QTest::newRow("other types")
            << QByteArray("level=@Invalid()\nMainForm=@Rect(1 2 3 4)\n") << true << 1 << "";
        // A zero character ends a text, also one that the INI reader split at its commas.
        QTest::newRow("zero in a list")
            << QByteArray("MainForm=\"2\\0;\",6,7\n", 21) << true << 1 << "2";
        QTest::newRow("garbage file")
            << QByteArray("\xff\xfe[comm\0on\n==\nlevel=3\n\x01", 22) << true << 3 << "";
    }

    void damagedValues() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, sound);
        QFETCH(int, level);
        QFETCH(QString, text);
        WriteRaw("[common]\n" + stored);
        TCKIniCtrl ini;
        QCOMPARE(ini.ReadFlag("common", "sound", true), sound);
        QCOMPARE(ini.ReadNumber("common", "level", 1), level);
        QCOMPARE(ini.ReadText("common", "MainForm", QString()), text);
        ini.WriteText("common", "MainForm", text); // what was read writes back unchanged
        QCOMPARE(TCKIniCtrl().ReadText("common", "MainForm", QString()), text);
        ini.WriteNumber("common", "level", 4); // and writing still works
        QCOMPARE(TCKIniCtrl().ReadNumber("common", "level", 1), 4);
    }

    void sectionsErasingAndOthersChanges() {
        TCKIniCtrl ini;
        // An empty section is the one used last, "Common" before any.
        ini.WriteNumber("", "first", 7);
        QCOMPARE(TCKIniCtrl().ReadNumber("Common", "first", 0), 7);
        ini.WriteText("common", "MainFormColor", "clRed");
        ini.WriteText("", "MainFormFont", "Arial");
        QCOMPARE(ini.ReadText("common", "MainFormFont", QString()), QString("Arial"));
        ini.EraseValue("common", "MainFormColor");
        ini.EraseValue("", "MainFormFont");
        ini.EraseValue("nosuchsection", "x");
        QVERIFY(ini.LastWriteOk());
        QCOMPARE(TCKIniCtrl().ReadText("common", "MainFormColor", "gone"), QString("gone")); // in the file
        QCOMPARE(ini.ReadText("common", "MainFormFont", "gone"), QString("gone"));
        // "#ROOT" is the key itself, apart from every section.
        ini.WriteNumber("#ROOT", "first", 9);
        QCOMPARE(ini.ReadNumber("#ROOT", "first", 0), 9);
        QCOMPARE(QSettings(IniFile(), QSettings::IniFormat).value("first").toInt(), 9);
        QCOMPARE(ini.ReadNumber("Common", "first", 0), 7);
        // Read once a run: another program's change shows in the next run.
        WriteRaw("[common]\nlevel=250\n");
        QCOMPARE(ini.ReadNumber("common", "level", 1), 1);
        QCOMPARE(TCKIniCtrl().ReadNumber("common", "level", 1), 250);
    }

    void unwritableStoreGoesOn() {
        // Permission bits do not stop root: a file where the folder belongs,
        // and then a folder where the file belongs, stop everyone.
        for (bool fileAsFolder : {true, false}) {
            const QString blocker = fileAsFolder ? QFileInfo(IniFile()).path() : IniFile();
            QDir(QFileInfo(IniFile()).path()).removeRecursively();
            if (fileAsFolder) {
                QFile file(blocker);
                QVERIFY(file.open(QIODevice::WriteOnly));
            } else {
                QVERIFY(QDir().mkpath(blocker));
            }
            TCKIniCtrl ini;
            ini.WriteNumber("common", "level", 17);
            QVERIFY(!ini.LastWriteOk());
            ini.EraseValue("common", "MainFormColor");
            QCOMPARE(ini.ReadNumber("common", "level", 1), 1);
            QFile::remove(blocker);
            QDir(blocker).removeRecursively();
        }
        TCKIniCtrl ini;
        ini.WriteNumber("common", "level", 17);
        QVERIFY(ini.LastWriteOk());
        // A full disk fails the write itself: it is not kept either.
        signal(SIGXFSZ, SIG_IGN);
        rlimit old {}, full {};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
        full = old;
        full.rlim_cur = 512;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        ini.WriteText("common", "save", QString(4096, 'x'));
        const bool written = ini.LastWriteOk();
        QVERIFY(setrlimit(RLIMIT_FSIZE, &old) == 0);
        QVERIFY(!written);
        QCOMPARE(ini.ReadText("common", "save", "none"), QString("none"));
        QCOMPARE(ini.ReadNumber("common", "level", 1), 17);
    }

    void malformedLineLosesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray values = "tongue=1\nlevel=17\nsound=0\nMainForm=\"200,0,1,5,6,7,8\"\n";
        QTest::newRow("after") << "[common]\n" + values + "[Zorbly\n";
        QTest::newRow("before") << "[Zorbly\n[common]\n" + values;
        QTest::newRow("in another section") << "[other]\na=1\n[Zorbly\nb=2\n[common]\n" + values;
        QTest::newRow("lines without =") << "[common]\nnonsense\n" + values + "[\n]\n=\n";
        QTest::newRow("quote never closed") << "[common]\n" + values + "[other]\nv=\"a\nb=1\n";
        QTest::newRow("backslash at the end") << "[common]\n" + values + "[other]\nv=a\\";
        QTest::newRow("section twice") << "[common]\ntongue=2\nlevel=17\n[o]\n[common]\n" + values;
        QTest::newRow("bom, crlf, comments")
            << "\xef\xbb\xbf[common] ; x\r\n; note\r\n" + QByteArray(values).replace("\n", " ;c\r\n");
    }

    void malformedLineLosesNothing() {
        QFETCH(QByteArray, content);
        WriteRaw(content);
        // In the order the game reads them: the first read is no worse off.
        TCKIniCtrl ini;
        QCOMPARE(ini.ReadNumber("common", "tongue", -1), 1);
        QCOMPARE(ini.ReadNumber("common", "level", 1), 17);
        QCOMPARE(ini.ReadFlag("common", "sound", true), false);
        QCOMPARE(ini.ReadText("common", "MainForm", QString()), QString("200,0,1,5,6,7,8"));
        // Writing works too, and keeps what could be read.
        ini.WriteNumber("common", "level", 18);
        QVERIFY(ini.LastWriteOk());
        TCKIniCtrl next;
        QCOMPARE(next.ReadNumber("common", "tongue", -1), 1);
        QCOMPARE(next.ReadNumber("common", "level", 1), 18);
    }

    void specialFilesAreLeftAlone() {
        // A pipe where the file belongs: opening it would wait for a writer.
        // Should the store open it anyway, the watchdog plays that writer
        // after a while, so that the test fails instead of hanging.
        QDir().mkpath(QFileInfo(IniFile()).path());
        const QByteArray fifo = QFile::encodeName(IniFile());
        QVERIFY(mkfifo(fifo.constData(), 0600) == 0);
        std::atomic<bool> done{false}, unblocked{false};
        std::thread watchdog([&] {
            for (int i = 0; i < 500 && !done; ++i)
                usleep(10000);
            while (!done) {
                const int fd = open(fifo.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    unblocked = true;
                    close(fd);
                }
                usleep(10000);
            }
        });
        {
            TCKIniCtrl ini;
            const int tongue = ini.ReadNumber("common", "tongue", -1);
            ini.WriteNumber("common", "level", 17);
            const bool written = ini.LastWriteOk();
            ini.BeginUpdate();
            ini.WriteNumber("common", "tongue", 1);
            ini.EndUpdate();
            const bool writtenTogether = ini.LastWriteOk();
            done = true;
            watchdog.join();
            QVERIFY(!unblocked);
            QCOMPARE(tongue, -1);
            QVERIFY(!written);
            QVERIFY(!writtenTogether);
        }
        struct stat st {};
        QVERIFY(lstat(fifo.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
        QFile::remove(IniFile());
    }

    void closingKeepsOthersKeysAndValues_data() {
        QTest::addColumn<QByteArray>("before");
        const QByteArray a = "[a]\n; a note\nkey = spaced value\nlist=x,y\n\n";
        const QByteArray b = "\n[b]\ny=2\n";
        QTest::newRow("between") << a + "[common]\nlevel=3\nMainFormColor=clRed\n" + b;
        QTest::newRow("first") << "[common]\nlevel=3\n" + b;
        QTest::newRow("none yet") << a;
        QTest::newRow("no last newline") << QByteArray("[b]\ny=2");
        // A backslash joins the next line to a value: "[common]" there is
        // part of that value, not a section.
        QTest::newRow("joined") << QByteArray("[b]\nx=1\\\n[common]\nlevel=5\n");
        QTest::newRow("never closed") << QByteArray("[Zorbly\nb=2\n[common]\nlevel=3\n");
        QTest::newRow("general") << QByteArray("[%General]\ng=1\n[General]\nr=2\n[b\\c]\nd\\e=3\n");
        QTest::newRow("over lines")
            << QByteArray("[q]\nv=\"a\nb\", c\\\nd\nx=a\\\r\nb\r\nw=\"open ;\n");
        QTest::newRow("backslash last") << QByteArray("[b]\ne=a \\");
        QTest::newRow("escapes") << QByteArray("[e]\nt=\\x41\\0\\101\\q \\\"q\\\" \\t\nn=\\xd800z\n"
                                               "b=@ByteArray(\xc3\xa4)\nl=@@a, @Rect(1 2 3 4)\n"
                                               "s=@String(x)\nv=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
        QTest::newRow("odd names") << QByteArray("[General]\nr=1\n[Common]\nlevel=9\n"
                                                 "[c]\nk%20s=2\n\xc3\xa4=3\r\nv=@Rect(1 2 3 4)\n");
    }

    void closingKeepsOthersKeysAndValues() {
        QFETCH(QByteArray, before);
        WriteRaw(before);
        QVariantMap others;
        {
            QSettings qt(IniFile(), QSettings::IniFormat);
            for (const QString& key : qt.allKeys())
                if (!key.startsWith("common/"))
                    others.insert(key, qt.value(key));
        }
        TCKIniCtrl ini;
        ini.BeginUpdate();
        ini.WriteNumber("common", "level", 17);
        ini.WriteText("common", "save", QString::fromUtf8("/g/\xc3\xa4,b.ztn"));
        ini.EraseValue("common", "MainFormColor");
        // Seen at once by this store, on disk only at the end.
        QCOMPARE(ini.ReadNumber("common", "level", 1), 17);
        QFile file(IniFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        ini.EndUpdate();
        QVERIFY(ini.LastWriteOk());
        // After the update, a single write is on disk at once again.
        ini.WriteFlag("common", "sound", false);
        TCKIniCtrl next;
        QCOMPARE(next.ReadNumber("common", "level", 1), 17);
        QCOMPARE(next.ReadText("common", "save", QString()), QString::fromUtf8("/g/\xc3\xa4,b.ztn"));
        QCOMPARE(next.ReadText("common", "MainFormColor", "gone"), QString("gone"));
        QCOMPARE(next.ReadFlag("common", "sound", true), false);
        QSettings qt(IniFile(), QSettings::IniFormat);
        for (auto it = others.cbegin(); it != others.cend(); ++it)
            QCOMPARE(qt.value(it.key()), it.value());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_persist_settings.moc"
