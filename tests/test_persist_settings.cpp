// The settings store: the texts it leaves on disk, how it reads what others
// (or damage) left there, and a store that cannot be written.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "inictrl.h"

using zt::TCKIniCtrl;

class SettingsTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

    QString IniFile() const { return home_.filePath("ZorblyGames/ZorblyTarnel-V2.ini"); }

    void WriteRaw(const QByteArray& content) {
        QDir().mkpath(QFileInfo(IniFile()).path());
        QFile file(IniFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private slots:
    void init() {
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        QFile::remove(IniFile());
    }

    void runInGermanAtLevel17WithoutSound() {
        const QString save = home_.filePath("Spiele, alte/level,5 ü.ztn");
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

    void damagedValues_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("text");
        QTest::newRow("numbers") << QByteArray("sound=2\nlevel=-5\n") << true << -5 << "";
        QTest::newRow("zero") << QByteArray("sound=0\nlevel= 17\n") << false << 17 << "";
        QTest::newRow("negative") << QByteArray("sound=-1\nlevel=-1\n") << true << -1 << "";
        QTest::newRow("words") << QByteArray("sound=loud\nlevel=seventeen\n") << true << 1 << "";
        QTest::newRow("empty") << QByteArray("sound=\nlevel=\nMainForm=\n") << true << 1 << "";
        QTest::newRow("not decimal") << QByteArray("sound=1e3\nlevel=0x11\n") << true << 1 << "";
        QTest::newRow("too large") << QByteArray("level=2147483648\n") << true << 1 << "";
        // Unquoted commas make a list for the INI reader; it was one text.
        QTest::newRow("lists") << QByteArray("level=1,2\nMainForm=200,0,1,1,2,3,4\n") << true << 1
                               << "200,0,1,1,2,3,4";
        QTest::newRow("quoted") << QByteArray("level=\"42\"\nMainForm=\"a,b\"\n") << true << 42
                                << "a,b";
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
        QCOMPARE(ini.ReadText("common", "MainFormColor", "gone"), QString("gone"));
        QCOMPARE(ini.ReadText("common", "MainFormFont", "gone"), QString("gone"));
        // "#ROOT" is the key itself, apart from every section.
        ini.WriteNumber("#ROOT", "first", 9);
        QCOMPARE(ini.ReadNumber("#ROOT", "first", 0), 9);
        QCOMPARE(QSettings(IniFile(), QSettings::IniFormat).value("first").toInt(), 9);
        QCOMPARE(ini.ReadNumber("Common", "first", 0), 7);
        // Nothing cached: another program's change is seen at the next read.
        WriteRaw("[common]\nlevel=250\n");
        QCOMPARE(ini.ReadNumber("common", "level", 1), 250);
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
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_persist_settings.moc"
