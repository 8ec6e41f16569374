// ztrn-media as a user runs it: results, exit status, and what it leaves
// behind on damaged input.
#include "bmp.h"
#include "mediarecord.h"
#include "test_codec_common.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace zt;

namespace {

struct Result {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Result RunTool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZTRN_MEDIA_TOOL), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

void Write(const QString& path, const Bytes& b) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(b.data()), qint64(b.size()));
}

Bytes Read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray a = f.readAll();
    return Bytes(a.begin(), a.end());
}

} // namespace

class MediaToolTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void packAndUnpackRoundTrip() {
        const Bytes content = PictureLike(200, 150, 4);
        Write(path("in.bin"), content);
        QCOMPARE(RunTool({"pack", path("in.bin"), path("packed.bin")}).status, 0);
        QCOMPARE(RunTool({"unpack", path("packed.bin"), path("back.bin")}).status, 0);
        QCOMPARE(Read(path("back.bin")), content);
    }

    void recordAndExtract() {
        const Bytes bmp = EncodeBmp(BmpImage(30, 10, 0xFF404000u), 24);
        Write(path("pic.bmp"), bmp);
        const Result made = RunTool({"record", "--ident", "6", "--description", "Ziffern \xc3\xa4",
                                     "--pixel-format", "8bit", path("pic.bmp"), path("pic.rec")});
        QCOMPARE(made.status, 0);
        const Bytes rec = Read(path("pic.rec"));
        QCOMPARE(int(rec[0]), 0x01 | 0x02 | 0x04 | 0x08 | 0x40);
        QCOMPARE(ReadMediaRecord(rec).Description, std::string("Ziffern \xe4"));

        const Result got = RunTool({"extract", path("pic.rec"), path("pic.out")});
        QCOMPARE(got.status, 0);
        QCOMPARE(got.out, QByteArray("flags 0x4F ident 6 description \"Ziffern \xc3\xa4\"\n"));
        QCOMPARE(ReadBmpInfo(Read(path("pic.out"))).bitsPerPixel, 8);
    }

    void damagedInputLeavesNoOutput_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<Bytes>("input");
        MediaRecord r;
        r.Compressed = true;
        r.Ident = 1;
        r.Content = PictureLike(100, 60, 5);
        Bytes record = WriteMediaRecord(r);
        Bytes cut = record;
        cut.resize(cut.size() / 2);
        QTest::newRow("truncated record") << "extract" << cut;
        Bytes flipped = record;
        flipped[12] ^= 0xFF; // inside the first block's control word or items
        flipped[9] = 0x7F;   // and a block length beyond 32782
        QTest::newRow("damaged record") << "extract" << flipped;
        Bytes stream(record.begin() + 5, record.end());
        stream.resize(stream.size() - 1);
        QTest::newRow("truncated stream") << "unpack" << stream;
        QTest::newRow("empty stream") << "unpack" << Bytes{};
        QTest::newRow("pixel format for a wave") << "record-8bit" << Bytes{'R', 'I', 'F', 'F'};
    }
    void damagedInputLeavesNoOutput() {
        QFETCH(QString, command);
        QFETCH(Bytes, input);
        Write(path("damaged.bin"), input);
        QFile::remove(path("new.out"));
        QStringList args = {command, path("damaged.bin"), path("new.out")};
        if (command == "record-8bit")
            args = QStringList{"record", "--pixel-format", "8bit"} + args.mid(1);
        const Result r = RunTool(args);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith("ztrn-media: "));
        QVERIFY(!QFile::exists(path("new.out")));
        // An existing OUT stays as it was.
        Write(path("old.out"), Bytes{1, 2, 3});
        args[args.size() - 1] = path("old.out");
        QCOMPARE(RunTool(args).status, 1);
        QCOMPARE(Read(path("old.out")), (Bytes{1, 2, 3}));
        // And nothing is left lying beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".part").size(), 0);
    }

    void badArgumentsShowUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"squeeze", "a", "b"};
        QTest::newRow("missing OUT") << QStringList{"pack", "a"};
        QTest::newRow("ident too big") << QStringList{"record", "--ident", "65536", "a", "b"};
        QTest::newRow("ident not a number") << QStringList{"record", "--ident", "x1", "a", "b"};
        QTest::newRow("pixel format") << QStringList{"record", "--pixel-format", "2bit", "a", "b"};
        QTest::newRow("long description")
            << QStringList{"record", "--description", QString(256, 'd'), "a", "b"};
        QTest::newRow("unknown option") << QStringList{"record", "--fast", "a", "b"};
    }
    void badArgumentsShowUsage() {
        QFETCH(QStringList, args);
        const Result r = RunTool(args);
        QVERIFY(r.status != 0);
        QVERIFY(r.err.contains("usage: ztrn-media"));
    }
};

int RunMediaToolTests(int argc, char** argv) {
    MediaToolTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_codec_tool.moc"
