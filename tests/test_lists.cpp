// The picture and sound lists: reading records into items, the wave's header
// check and its care for the player, the records compiled into the game.
#include "bmp.h"
#include "medialists.h"
#include "mediarecord.h"
#include "testpaths.h"
#include "waveplayer.h"

#include <QFile>
#include <QTest>
#include <cstring>

using namespace zt;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Stands in for the sound output. While "playing" it keeps the address it
// was given and checks, whenever it is stopped or replaced, that the bytes
// there are still the ones it started with: a wave that released its image
// before stopping the player shows up here (and under AddressSanitizer).
class FakePlayer : public WavePlayer {
public:
    bool device = true;
    int plays = 0;
    int stops = 0;
    bool readGoneImage = false;
    const std::uint8_t* playing = nullptr;
    Bytes copy;

    bool HasDevice() override { return device; }
    bool Play(const std::uint8_t* image, std::size_t size) override {
        Check();
        ++plays;
        playing = image;
        copy.assign(image, image + size);
        return true;
    }
    void Stop() override {
        Check();
        ++stops;
        playing = nullptr;
    }
    bool Shutdown() override { return false; }
    void Check() {
        if (playing && std::memcmp(playing, copy.data(), copy.size()) != 0)
            readGoneImage = true;
    }
    void Reset() { *this = FakePlayer(); }
};

FakePlayer& Fake() {
    static FakePlayer player;
    return player;
}

Bytes WaveImage(std::size_t samples, std::uint8_t fill, const char* riff = "RIFF",
                const char* wave = "WAVE", const char* fmt = "fmt ") {
    Bytes w;
    auto tag = [&](const char* t) { w.insert(w.end(), t, t + 4); };
    auto le = [&](std::uint32_t v, int bytes) {
        for (int k = 0; k < bytes; ++k)
            w.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
    };
    tag(riff);
    le(static_cast<std::uint32_t>(36 + samples), 4);
    tag(wave);
    tag(fmt);
    le(16, 4);
    le(1, 2);
    le(1, 2);
    le(11025, 4);
    le(11025, 4);
    le(1, 2);
    le(8, 2);
    tag("data");
    le(static_cast<std::uint32_t>(samples), 4);
    w.insert(w.end(), samples, fill);
    return w;
}

Bytes Record(const Bytes& content, std::uint16_t ident = 0, const std::string& description = {}) {
    MediaRecord r;
    r.Compressed = true;
    r.Ident = ident;
    r.Description = description;
    r.Content = content;
    return WriteMediaRecord(r);
}

Bytes ReadAsset(const char* name) {
    QFile f(QString::fromUtf8(zt::testpaths::AssetDir) + u'/' + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray a = f.readAll();
    return Bytes(a.begin(), a.end());
}

} // namespace

class ListsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WavePlayer::ReplaceInstance(&Fake()); }
    void init() { Fake().Reset(); }

    void waveHeaderCheck_data() {
        QTest::addColumn<Bytes>("content");
        QTest::addColumn<QString>("why");
        QTest::newRow("no RIFF") << WaveImage(10, 0x80, "RIFX") << "RIFF";
        QTest::newRow("no WAVE") << WaveImage(10, 0x80, "RIFF", "AVI ") << "WAVE";
        QTest::newRow("no fmt") << WaveImage(10, 0x80, "RIFF", "WAVE", "data") << "fmt ";
        Bytes shortOne = WaveImage(0, 0);
        shortOne.resize(33);
        QTest::newRow("33 bytes") << shortOne << "34 bytes";
        shortOne.resize(6);
        QTest::newRow("6 bytes") << shortOne << "34 bytes";
    }
    void waveHeaderCheck() {
        QFETCH(Bytes, content);
        QFETCH(QString, why);
        TCKWave wave;
        try {
            wave.LoadFromBytes(content);
            QFAIL("a bad wave was accepted");
        } catch (const std::runtime_error& e) {
            QVERIFY2(QString(e.what()).contains(why), e.what());
        }
        QVERIFY(wave.IsEmpty());
    }

    void waveTakesWhatPassesTheCheck() {
        TCKWave wave;
        Bytes header = WaveImage(0, 0);
        header.resize(34); // the header alone is enough
        wave.LoadFromBytes(header);
        QCOMPARE(wave.Size(), std::size_t{34});
        // The RIFF size is not compared with the real length.
        Bytes lying = WaveImage(100, 0x80);
        lying.insert(lying.end(), 8, 0x80);
        wave.LoadFromBytes(lying);
        QCOMPARE(Bytes(wave.Data(), wave.Data() + wave.Size()), lying);
        wave.LoadFromBytes({});
        QVERIFY(wave.IsEmpty());
    }

    void waveStopsThePlayerBeforeItsImageGoes() {
        {
            TCKWave wave;
            wave.LoadFromBytes(WaveImage(5000, 0x11));
            QVERIFY(wave.Play());
            wave.LoadFromBytes(WaveImage(7000, 0x22)); // replaced while playing
            QCOMPARE(Fake().stops, 1);
            QVERIFY(wave.Play());
            wave.Clear();
            QCOMPARE(Fake().stops, 2);
            wave.Clear(); // nothing held: the player is left alone
            QCOMPARE(Fake().stops, 2);
            wave.LoadFromBytes(WaveImage(3000, 0x33));
            QVERIFY(wave.Play());
        }
        QCOMPARE(Fake().stops, 3); // destroyed while holding an image
        QVERIFY(!Fake().readGoneImage);
        { TCKWave empty; }
        QCOMPARE(Fake().stops, 3);
    }

    void playNeedsAnImageAndADevice() {
        TCKWave wave;
        QVERIFY(!wave.Play());
        wave.LoadFromBytes(WaveImage(100, 0x80));
        Fake().device = false;
        QVERIFY(!wave.Play());
        QCOMPARE(Fake().plays, 0);
        Fake().device = true;
        QVERIFY(wave.Play());
        QCOMPARE(Fake().playing, wave.Data());
    }

    void bitmapListReadsItsRecords() {
        BmpImage picture(21, 9, 0xFF102030u);
        picture.At(20, 0) = 0xFFFFFF00u;
        MediaRecord digits;
        digits.PixelFormat = spf8bit;
        digits.Content = EncodeBmp(picture, 24);
        TCKBitmapList list;
        list.ReadRecords({Record(EncodeBmp(picture, 24), 1, "Kachel\xe4"), WriteMediaRecord(digits),
                          Record({}, 9)});
        QCOMPARE(list.Count(), 3);
        const TCKBitmapListItem& a = list.Item(0);
        QCOMPARE(a.Description, QString::fromUtf8("Kachel\xc3\xa4"));
        QCOMPARE(a.Ident, std::uint16_t{1});
        QCOMPARE(a.Bitmap.size(), QSize(21, 9));
        QCOMPARE(a.Bitmap.depth(), 24); // kept at three bytes a pixel for the whole run
        QCOMPARE(a.Bitmap.pixel(20, 0), 0xFFFFFF00u); // top row first
        QCOMPARE(a.Bitmap.pixel(5, 5), 0xFF102030u);
        QCOMPARE(list.Item(1).PixelFormat, int(spf8bit));
        QCOMPARE(list.Item(1).Bitmap.pixel(20, 0), 0xFFFFFF00u);
        QVERIFY(list.Item(2).Bitmap.isNull());
    }

    void waveListReadsItsRecords() {
        TCKWaveList list;
        const Bytes click = WaveImage(661, 0x90);
        list.ReadRecords({Record(WaveImage(2000, 0x70)), Record(click, 1), Record({}, 4)});
        QCOMPARE(list.Count(), 3);
        QCOMPARE(list.Item(0).Ident, std::uint16_t{0});
        QCOMPARE(list.Item(1).Ident, std::uint16_t{1});
        QCOMPARE(
            Bytes(list.Item(1).Wave.Data(), list.Item(1).Wave.Data() + list.Item(1).Wave.Size()),
            click);
        QVERIFY(list.Item(2).Wave.IsEmpty());
    }

    void indexErrors() {
        TCKBitmapList bitmaps;
        TCKWaveList waves;
        QVERIFY_THROWS_EXCEPTION(ListIndexError, bitmaps.Item(0));
        waves.ReadRecords({Record(WaveImage(10, 0x80))});
        QVERIFY_THROWS_EXCEPTION(ListIndexError, waves.Item(1));
        QVERIFY_THROWS_EXCEPTION(ListIndexError, waves.Item(-1));
    }

    void damagedRecordStopsTheReading() {
        Bytes cut = Record(EncodeBmp(BmpImage(40, 40, 0xFF00FF00u), 24));
        cut.pop_back();
        Bytes notABmp = Record(WaveImage(10, 0x80));
        const Bytes good = Record(EncodeBmp(BmpImage(2, 2), 24));
        TCKBitmapList list;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, list.ReadRecords({good, cut, good}));
        QCOMPARE(list.Count(), 1); // what came before stays
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, list.ReadRecords({notABmp}));
        QCOMPARE(list.Count(), 1);
        TCKWaveList waves;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 waves.ReadRecords({Record(WaveImage(10, 0x80, "RIFF", "WAV_"))}));
        QCOMPARE(waves.Count(), 0);
    }

    void embeddedRecordsHoldTheAssets_data() {
        QTest::addColumn<bool>("bitmap");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("ident");
        QTest::addColumn<QSize>("size");
        QTest::newRow("tile sheet") << true << 0 << "tilesheet.bmp" << 1 << QSize(960, 480);
        QTest::newRow("backdrop") << true << 1 << "backdrop.bmp" << 2 << QSize(520, 376);
        QTest::newRow("digits") << true << 2 << "digits.bmp" << 6 << QSize(148, 20);
        QTest::newRow("tile sheet 2x") << true << 0 << "tilesheet@2x.bmp" << 1 << QSize(1920, 960);
        QTest::newRow("backdrop 2x") << true << 1 << "backdrop@2x.bmp" << 2 << QSize(1040, 752);
        QTest::newRow("digits 2x") << true << 2 << "digits@2x.bmp" << 6 << QSize(296, 40);
        QTest::newRow("tile sheet 3x") << true << 0 << "tilesheet@3x.bmp" << 1 << QSize(2880, 1440);
        QTest::newRow("backdrop 3x") << true << 1 << "backdrop@3x.bmp" << 2 << QSize(1560, 1128);
        QTest::newRow("digits 3x") << true << 2 << "digits@3x.bmp" << 6 << QSize(444, 60);
        QTest::newRow("solved") << false << 0 << "solved.wav" << 0 << QSize();
        QTest::newRow("move") << false << 1 << "move.wav" << 1 << QSize();
    }
    void embeddedRecordsHoldTheAssets() {
        QFETCH(bool, bitmap);
        QFETCH(int, position);
        QFETCH(QString, file);
        QFETCH(int, ident);
        QFETCH(QSize, size);
        const Bytes asset = ReadAsset(file.toLatin1().constData());
        const auto records = file.contains("@3x")   ? EmbeddedBitmapRecords3x()
                             : file.contains("@2x") ? EmbeddedBitmapRecords2x()
                             : bitmap             ? EmbeddedBitmapRecords()
                                                  : EmbeddedWaveRecords();
        QCOMPARE(records.size(), bitmap ? 3u : 2u);
        if (asset.empty())
            QSKIP("the asset is not drawn yet, so the game carries an empty item for it");
        const std::span<const std::uint8_t> record = records[position];
        QCOMPARE(int(record[0]), ident ? 0x0D : 0x09);
        const MediaRecord r = ReadMediaRecord(record);
        QCOMPARE(r.Ident, std::uint16_t(ident));
        QVERIFY(r.Description.empty());
        QCOMPARE(r.PixelFormat, spfDefault);
        QVERIFY(r.Content == asset);
        if (bitmap) {
            TCKBitmapList list;
            list.ReadRecords(records);
            QCOMPARE(list.Item(position).Bitmap.size(), size);
        } else {
            TCKWaveList list;
            list.ReadRecords(records);
            QCOMPARE(list.Item(position).Wave.Size(), asset.size());
        }
    }
};

QTEST_GUILESS_MAIN(ListsTest)
#include "test_lists.moc"
