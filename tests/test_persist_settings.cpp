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

    QString IniFile() const { return home_.filePath(QStringLiteral("ZorblyGames/ZorblyTarnel-V2.ini")); }

    void WriteRaw(const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(IniFile()).path());
        QFile file(IniFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QByteArray ReadRaw()
    {
        QFile file(IniFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        QFile::remove(IniFile());
    }

    void firstStartGivesDefaults()
    {
        TCKIniCtrl ini;
        QCOMPARE(ini.Location(), IniFile());
        QCOMPARE(ini.ReadNumber("common", "tongue", -1), -1);
        QCOMPARE(ini.ReadNumber("common", "level", 1), 1);
        QCOMPARE(ini.ReadText("common", "save", "/games/noname.ztn"), QString("/games/noname.ztn"));
        QCOMPARE(ini.ReadFlag("common", "sound", true), true);
        QCOMPARE(ini.ReadText("common", "MainForm", QString()), QString());
        // Reading creates nothing.
        QVERIFY(!QFile::exists(IniFile()));
    }

    void closeInGermanAtLevel17WithoutSound()
    {
        const QString save = home_.filePath("Spiele, alte/level,5 ü.ztn");
        const QString placement = "200,0,1,100,50,626,511";
        {
            TCKIniCtrl ini;
            ini.WriteFlag("common", "sound", false);
            ini.WriteNumber("common", "level", 17);
            ini.WriteNumber("common", "tongue", 1);
            ini.WriteText("common", "save", save);
            ini.WriteText("common", "MainForm", placement);
            QVERIFY(ini.LastWriteOk());
            // On disk as soon as the write returns.
            const QByteArray raw = ReadRaw();
            QVERIFY(raw.contains("[common]"));
            QVERIFY(raw.contains("sound=0"));
            QVERIFY(raw.contains("level=17"));
            QVERIFY(raw.contains("tongue=1"));
        }
        // The next program start: fresh store objects, nothing carried over.
        TCKIniCtrl next;
        QCOMPARE(next.ReadFlag("common", "sound", true), false);
        QCOMPARE(next.ReadNumber("common", "level", 1), 17);
        QCOMPARE(next.ReadNumber("common", "tongue", -1), 1);
        QCOMPARE(next.ReadText("common", "save", "x"), save);
        QCOMPARE(next.ReadText("common", "MainForm", QString()), placement);
        // Another program reading the file sees texts, not numbers or lists.
        QSettings other(IniFile(), QSettings::IniFormat);
        QCOMPARE(other.value("common/MainForm").toString(), placement);
        QCOMPARE(other.value("common/level").toString(), QString("17"));
    }

    void damagedValuesReadAsDefaults_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("tongue");
        QTest::addColumn<QString>("mainForm");
        QTest::newRow("two is on") << QByteArray("sound=2\nlevel=-5\ntongue=2\n") << true << -5 << 2
                                   << QString();
        QTest::newRow("zero is off") << QByteArray("sound=0\nlevel=17\n") << false << 17 << -1
                                     << QString();
        QTest::newRow("words") << QByteArray("sound=loud\nlevel=seventeen\ntongue=deutsch\n")
                               << true << 1 << -1 << QString();
        QTest::newRow("empty texts") << QByteArray("sound=\nlevel=\ntongue=\nMainForm=\n") << true
                                     << 1 << -1 << QString();
        QTest::newRow("too large") << QByteArray("level=99999999999\ntongue=2147483648\n") << true
                                   << 1 << -1 << QString();
        QTest::newRow("not decimal") << QByteArray("level=0x11\ntongue=1.0\nsound=1e3\n") << true
                                     << 1 << -1 << QString();
        QTest::newRow("lists") << QByteArray("level=1,2\nMainForm=200,0,1,100,50,626,511\n")
                               << true << 1 << -1 << QString("200,0,1,100,50,626,511");
        QTest::newRow("other types") << QByteArray("level=@Invalid()\nMainForm=@Rect(1 2 3 4)\n")
                                     << true << 1 << -1 << QString();
        QTest::newRow("quoted") << QByteArray("level=\"42\"\nMainForm=\"a,b\"\n") << true << 42
                                << -1 << QString("a,b");
    }

    void damagedValuesReadAsDefaults()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, sound);
        QFETCH(int, level);
        QFETCH(int, tongue);
        QFETCH(QString, mainForm);
        WriteRaw("[common]\n" + stored);
        TCKIniCtrl ini;
        QCOMPARE(ini.ReadFlag("common", "sound", true), sound);
        QCOMPARE(ini.ReadNumber("common", "level", 1), level);
        QCOMPARE(ini.ReadNumber("common", "tongue", -1), tongue);
        QCOMPARE(ini.ReadText("common", "MainForm", QString()), mainForm);
    }

    void garbageFileGoesOn()
    {
        WriteRaw(QByteArray("\xff\xfe[comm\0on\n==\n[common\nlevel=3\n\x01\x02", 30));
        TCKIniCtrl ini;
        ini.ReadNumber("common", "level", 1);
        ini.ReadText("common", "save", "d");
        ini.WriteNumber("common", "level", 4);
        QCOMPARE(TCKIniCtrl().ReadNumber("common", "level", 1), 4);
    }

    void readsSeeChangesMadeMeanwhile()
    {
        TCKIniCtrl ini;
        ini.WriteNumber("common", "level", 3);
        QCOMPARE(ini.ReadNumber("common", "level", 1), 3);
        // Another program changes the store between two reads.
        WriteRaw("[common]\nlevel=250\nsound=0\n");
        QCOMPARE(ini.ReadNumber("common", "level", 1), 250);
        QCOMPARE(ini.ReadFlag("common", "sound", true), false);
        QFile::remove(IniFile());
        QCOMPARE(ini.ReadNumber("common", "level", 1), 1);
    }

    void sectionsAndErasing()
    {
        TCKIniCtrl ini;
        // An empty section is the one used last, "Common" before any.
        ini.WriteNumber("", "first", 7);
        QCOMPARE(TCKIniCtrl().ReadNumber("Common", "first", 0), 7);
        ini.WriteText("common", "MainFormColor", "clRed");
        ini.WriteText("", "MainFormFont", "Arial");
        QCOMPARE(TCKIniCtrl().ReadText("common", "MainFormFont", QString()), QString("Arial"));
        ini.EraseValue("common", "MainFormColor");
        ini.EraseValue("common", "MainFormFont");
        ini.EraseValue("common", "NeverThere");
        ini.EraseValue("nosuchsection", "x");
        QVERIFY(ini.LastWriteOk());
        QCOMPARE(ini.ReadText("common", "MainFormColor", "gone"), QString("gone"));
        QCOMPARE(ini.ReadText("common", "MainFormFont", "gone"), QString("gone"));
        QCOMPARE(ini.ReadNumber("Common", "first", 0), 7);
        // "#ROOT" is the key itself, apart from every section.
        ini.WriteNumber("#ROOT", "first", 9);
        QCOMPARE(ini.ReadNumber("#ROOT", "first", 0), 9);
        QCOMPARE(ini.ReadNumber("Common", "first", 0), 7);
    }

    void unwritableStoreGoesOn()
    {
        // Permission bits do not stop root; a file where the folder should be
        // stops everyone.
        QFile blocker(home_.filePath("ZorblyGames"));
        QDir(home_.filePath("ZorblyGames")).removeRecursively();
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TCKIniCtrl ini;
        ini.WriteNumber("common", "level", 17);
        QVERIFY(!ini.LastWriteOk());
        ini.WriteText("common", "MainForm", "200,0,1,1,2,3,4");
        ini.EraseValue("common", "MainFormColor");
        QCOMPARE(ini.ReadNumber("common", "level", 1), 1);
        QCOMPARE(ini.ReadText("common", "MainForm", "none"), QString("none"));
        QFile::remove(blocker.fileName());

        // The file itself is a folder: unreadable and unwritable.
        QVERIFY(QDir().mkpath(IniFile()));
        ini.WriteNumber("common", "level", 17);
        QVERIFY(!ini.LastWriteOk());
        QCOMPARE(ini.ReadNumber("common", "level", 1), 1);
        QVERIFY(QDir(IniFile()).removeRecursively());

        // And once the way is clear again, writing works.
        ini.WriteNumber("common", "level", 17);
        QVERIFY(ini.LastWriteOk());
        QCOMPARE(TCKIniCtrl().ReadNumber("common", "level", 1), 17);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_persist_settings.moc"
