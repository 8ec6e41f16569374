// The wave player against a real output: a private PulseAudio server with a
// null sink, whose monitor is recorded and searched for the cues' tones.
// With --no-server: wave images taken apart, and a machine without any sound
// output, where the player stays silent and never hangs.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "pulseserver.h"
#include "testpaths.h"
#include "wavedata.h"
#include "waveplayer.h"

using zt::WavePlayer;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A RIFF WAVE image; `before` are chunks ahead of the data chunk.
Bytes Image(int tag, int channels, int rate, int bits, const Bytes& data, const Bytes& before = {},
            std::uint32_t dataLength = 0) {
    Bytes w{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            w.push_back(std::uint8_t(v >> (8 * i)));
    };
    put(16, 4);
    put(tag, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * channels * bits / 8, 4);
    put(channels * bits / 8, 2);
    put(bits, 2);
    w.insert(w.end(), before.begin(), before.end());
    w.insert(w.end(), {'d', 'a', 't', 'a'});
    put(dataLength ? dataLength : std::uint32_t(data.size()), 4);
    w.insert(w.end(), data.begin(), data.end());
    return w;
}

// A sine tone as the game's cues are made: 8-bit unsigned mono.
Bytes Tone(int rate, double hz, int ms) {
    Bytes samples(rate * ms / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::uint8_t(128 + std::lround(100 * std::sin(2 * M_PI * hz * i / rate)));
    return Image(1, 1, rate, 8, samples);
}

Bytes Asset(const char* name) {
    QFile f(QString::fromUtf8(zt::testpaths::AssetDir) + u'/' + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray a = f.readAll();
    return Bytes(a.begin(), a.end());
}

constexpr int RecordRate = 48000;
constexpr int Window = RecordRate / 200; // 5 ms

struct Run {
    double hz;
    int windows;
};

// The tones heard, as runs of 5 ms windows. A gap of up to 30 ms inside a
// tone (a busy machine starving the output for a moment) does not split it.
// A sound cut off short clicks, and a click can light the other tone for a
// window or two: what is heard for less than 15 ms is not a tone.
std::vector<Run> Runs(const QByteArray& pcm, const std::vector<double>& tones) {
    const auto* s = reinterpret_cast<const std::int16_t*>(pcm.constData());
    std::vector<Run> runs;
    qsizetype lastHeard = -100;
    for (qsizetype at = 0, w = 0; at + Window <= pcm.size() / 2; at += Window, ++w) {
        double heard = 0, best = 0.1;
        for (double hz : tones) { // Goertzel: the tone's amplitude in the window
            const double k = 2 * std::cos(2 * M_PI * hz / RecordRate);
            double a = 0, b = 0;
            for (int i = 0; i < Window; ++i)
                std::tie(a, b) = std::pair(s[at + i] / 32768.0 + k * a - b, a);
            const double level = 2 * std::sqrt(std::max(0.0, a * a + b * b - k * a * b)) / Window;
            if (level > best)
                std::tie(best, heard) = std::pair(level, hz);
        }
        if (heard == 0)
            continue;
        if (!runs.empty() && runs.back().hz == heard && w - lastHeard <= 6)
            ++runs.back().windows;
        else
            runs.push_back({heard, 1});
        lastHeard = w;
    }
    std::erase_if(runs, [](const Run& run) { return run.windows < 3; });
    return runs;
}

zt::test::PulseServer pulse;

// Records the null sink's monitor while a scene plays.
QByteArray Record(const std::function<void()>& scene, int tailMs = 400) {
    QProcess rec;
    rec.start("parec", {"-d", "ztsink.monitor", "--raw", "--format=s16le", "--channels=1",
                        "--rate=48000", "--latency-msec=10"});
    QByteArray pcm;
    while (rec.waitForReadyRead(5000) && (pcm += rec.readAllStandardOutput()).size() < 9600) {
    }
    scene();
    QTest::qWait(tailMs);
    rec.terminate();
    rec.waitForFinished(3000);
    return pcm + rec.readAllStandardOutput();
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
    const Bytes click_ = Tone(11025, 1000, 60);
    const Bytes solved_ = Tone(22050, 440, 3500);
    WavePlayer& player_ = WavePlayer::Instance();

    void Play(const Bytes& image) { QVERIFY(player_.Play(image.data(), image.size())); }

private slots:
    void initTestCase() {
        if (!pulse.installed)
            QSKIP("pulseaudio is not installed");
        QVERIFY(QFile::exists(pulse.Socket()));
        QVERIFY(player_.HasDevice());
    }

    void everyQuickClickIsHeard() {
        const auto runs = Runs(Record([&] {
                                   for (int i = 0; i < 10; ++i) {
                                       Play(click_);
                                       QTest::qWait(150);
                                   }
                               }),
                               {1000, 440});
        QCOMPARE(runs.size(), std::size_t(10));
        for (const Run& run : runs) // 60 ms each, give or take a window
            QVERIFY2(run.hz == 1000 && run.windows >= 8 && run.windows <= 14,
                     qPrintable(QString::number(run.windows)));
    }

    void newSoundCutsTheOld() {
        // A solving move: the click, straight away the solved sound, to its end.
        auto runs = Runs(Record(
                             [&] {
                                 Play(click_);
                                 QTest::qWait(20);
                                 Play(solved_);
                             },
                             3800),
                         {1000, 440});
        QVERIFY(!runs.empty());
        QCOMPARE(runs.back().hz, 440.0);
        QVERIFY2(runs.back().windows >= 600, "the solved sound did not play to its end");
        QVERIFY2(runs.size() == 1 || runs[0].windows < 10, "the click was not cut");
        // A move while the solved sound still plays.
        runs = Runs(Record([&] {
                        Play(solved_);
                        QTest::qWait(300);
                        Play(click_);
                    }),
                    {1000, 440});
        QCOMPARE(runs.size(), std::size_t(2));
        QVERIFY(runs[0].hz == 440 && runs[0].windows < 120 && runs[1].hz == 1000);
    }

    void stopBrokenImagesAndGoneImages() {
        const auto runs = Runs(Record([&] {
                                   Play(solved_);
                                   QTest::qWait(300);
                                   player_.Stop();
                                   QTest::qWait(300);
                                   Play(solved_);
                                   QTest::qWait(300);
                                   Bytes bad = click_; // cuts the sound all the same
                                   std::memcpy(&bad[8], "WAVX", 4);
                                   QVERIFY(!player_.Play(bad.data(), bad.size()));
                                   QVERIFY(!player_.Play(click_.data(), 30));
                                   QTest::qWait(300);
                                   // Not read after Play returns: scribbled
                                   // over and freed, still heard whole.
                                   Bytes image = Tone(11025, 1000, 200);
                                   Play(image);
                                   std::fill(image.begin() + 44, image.end(), 128);
                                   image = Bytes();
                               }),
                               {1000, 440});
        QCOMPARE(runs.size(), std::size_t(3));
        QVERIFY(runs[0].hz == 440 && runs[0].windows < 100); // stopped
        QVERIFY(runs[1].hz == 440 && runs[1].windows < 100); // cut
        QVERIFY(runs[2].hz == 1000 && runs[2].windows >= 36);
    }

    void soundAfterTheOutputRested() {
        // Long after a cue the output closes; the next cue opens it again.
        QTest::qWait(3500);
        const auto runs = Runs(Record([&] {
                                   Play(click_);
                                   QTest::qWait(200);
                                   Play(click_);
                               }),
                               {1000});
        QCOMPARE(runs.size(), std::size_t(2));
    }
};

class WithoutServerTest : public QObject {
    Q_OBJECT
private slots:
    void takingImagesApart_data() {
        QTest::addColumn<Bytes>("image");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QList<int>>("at");
        QTest::addColumn<QList<float>>("samples");
        QTest::newRow("8-bit, unsigned")
            << Image(1, 1, 11025, 8, {0x00, 0x80, 0xff, 0x40}) << 1 << 4 << QList<int>{0, 1, 2, 3}
            << QList<float>{-1.0f, 0.0f, 127 / 128.0f, -0.5f};
        // After an odd-sized chunk and its pad byte; 16-bit stereo.
        const Bytes list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
        QTest::newRow("16-bit stereo after a chunk")
            << Image(1, 2, 22050, 16, {0x00, 0x80, 0xff, 0x7f, 0, 0, 0, 0}, list) << 2 << 2
            << QList<int>{0, 1} << QList<float>{-1.0f, 32767 / 32768.0f};
        QTest::newRow("16-bit, data claiming more, ending in half a frame")
            << Image(1, 1, 11025, 16, {0, 0, 0, 0x40, 9}, {}, 1000) << 1 << 2 << QList<int>{1}
            << QList<float>{0.5f};
        QTest::newRow("24-bit, the last sample ending the image")
            << Image(1, 1, 8000, 24, {0, 0, 0x80, 0xff, 0xff, 0x3f}) << 1 << 2 << QList<int>{0, 1}
            << QList<float>{-1.0f, 0.5f};
        QTest::newRow("32-bit, signed")
            << Image(1, 1, 8000, 32, {0, 0, 0, 0x80, 0, 0, 0, 0x40}) << 1 << 2
            << QList<int>{0, 1} << QList<float>{-1.0f, 0.5f};
        // The game's own sounds: 8-bit mono; the bytes 128 (silence), the
        // loudest and the quietest of each file.
        QTest::newRow("solved.wav") << Asset("solved.wav") << 1 << 77992
                                    << QList<int>{0, 14546, 20010}
                                    << QList<float>{0.0f, 94 / 128.0f, -108 / 128.0f};
        QTest::newRow("move.wav") << Asset("move.wav") << 1 << 661 << QList<int>{0, 21, 16}
                                  << QList<float>{0.0f, 76 / 128.0f, -59 / 128.0f};
    }
    void takingImagesApart() {
        QFETCH(Bytes, image);
        QFETCH(int, channels);
        QFETCH(int, frames);
        QFETCH(QList<int>, at);
        QFETCH(QList<float>, samples);
        const auto s = zt::ParseWave(image.data(), image.size());
        QVERIFY(s);
        QCOMPARE(s->channels, channels);
        QCOMPARE(s->Frames(), std::size_t(frames));
        for (qsizetype i = 0; i < at.size(); ++i)
            QCOMPARE(s->samples[std::size_t(at[i])], samples[i]);
    }

    void refusingImages() {
        // Compressed, no channels, odd sample size, no rate, a chunk running
        // past the end, a wrong tag, nothing.
        const Bytes some{1, 2, 3, 4};
        const Bytes huge{'J', 'U', 'N', 'K', 0xff, 0xff, 0xff, 0xff};
        Bytes wrongTag = Image(1, 1, 11025, 8, some);
        wrongTag[8] = 'X';
        for (const Bytes& bad : {Image(2, 1, 11025, 4, some), Image(1, 0, 11025, 8, some),
                                 Image(1, 1, 11025, 12, some), Image(1, 1, 0, 8, some),
                                 Image(1, 1, 11025, 8, some, huge), wrongTag, Bytes()})
            QVERIFY(!zt::ParseWave(bad.data(), bad.size()));
    }

    void resamplingForOtherOutputs() {
        zt::WaveSamples stereo{2, 24000, {1.0f, 0.0f, 0.0f, 0.0f}};
        std::uint8_t bytes[5];
        zt::WaveResampler down(&stereo, {1, 48000, zt::SampleKind::UInt8});
        QVERIFY(!down.Render(bytes, 5)); // 2 frames at half the rate: 4, then silence
        QCOMPARE(Bytes(bytes, bytes + 5), (Bytes{192, 160, 128, 128, 128}));
        float floats[2];
        zt::WaveResampler same(&stereo, {2, 24000, zt::SampleKind::Float});
        same.Render(reinterpret_cast<std::uint8_t*>(floats), 1);
        QCOMPARE(floats[0], 1.0f);
        QCOMPARE(floats[1], 0.0f);
    }

    void silentWithoutAnyOutput() {
        WavePlayer& player = WavePlayer::Instance();
        QVERIFY(!player.HasDevice());
        const Bytes click = Tone(11025, 1000, 60);
        for (int i = 0; i < 20; ++i)
            QVERIFY(!player.Play(click.data(), click.size()));
        player.Stop();
    }
};

int main(int argc, char** argv) {
    const bool none = argc > 1 && std::strcmp(argv[1], "--no-server") == 0;
    pulse.Start(none);
    if (none) {
        --argc;
        ++argv;
    }
    QCoreApplication app(argc, argv);
#ifndef ZTRN_SOUND_THROUGH_MODULE
    WavePlayer::ReplaceInstance(&zt::MultimediaWavePlayer());
#endif
    WithoutServerTest without;
    SoundTest with;
    const int failed = QTest::qExec(none ? static_cast<QObject*>(&without) : &with, argc, argv);
    // Qt Multimedia's own PulseAudio clean-up at exit can trip an assertion
    // in the sound library now and then; what these tests look at is over by
    // now, so the process ends here, after the server and its folder.
    pulse.server.kill();
    pulse.server.waitForFinished(3000);
    pulse.dir.remove();
    std::fflush(nullptr);
    std::_Exit(failed);
}

#include "test_sound.moc"
