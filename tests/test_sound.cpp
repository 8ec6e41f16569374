// The wave player against a real output: a private PulseAudio server with a
// null sink, whose monitor is recorded and searched for the cues' tones.
// Run with --no-server it checks the silent side instead: no server, no
// device, no sound and no hang.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstring>
#include <vector>

#include "wavedata.h"
#include "waveplayer.h"

using zt::WavePlayer;

namespace {

constexpr int RecordRate = 48000;
constexpr int WindowSamples = RecordRate / 200;  // 5 ms

// A RIFF WAVE image of a sine tone: 8-bit unsigned mono, as the game's cues.
std::vector<std::uint8_t> ToneWave(int rate, double hz, int ms, int amplitude = 100)
{
    const int frames = rate * ms / 1000;
    std::vector<std::uint8_t> w(44 + frames);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            w[at + i] = std::uint8_t(v >> (8 * i));
    };
    std::memcpy(&w[0], "RIFF", 4);
    put32(4, 36 + frames);
    std::memcpy(&w[8], "WAVEfmt ", 8);
    put32(16, 16);
    w[20] = 1;  // PCM
    w[22] = 1;  // mono
    put32(24, rate);
    put32(28, rate);
    w[32] = 1;
    w[34] = 8;
    std::memcpy(&w[36], "data", 4);
    put32(40, frames);
    for (int i = 0; i < frames; ++i)
        w[44 + i] = std::uint8_t(128 + std::lround(amplitude * std::sin(2 * M_PI * hz * i / rate)));
    return w;
}

// The amplitude of one frequency in a window (Goertzel).
double ToneLevel(const std::int16_t* s, int n, double hz)
{
    const double k = 2 * std::cos(2 * M_PI * hz / RecordRate);
    double a = 0, b = 0;
    for (int i = 0; i < n; ++i) {
        const double c = s[i] / 32768.0 + k * a - b;
        b = a;
        a = c;
    }
    return 2 * std::sqrt(std::max(0.0, a * a + b * b - k * a * b)) / n;
}

// Which tone sounds in each 5 ms window: 0 none, else the frequency heard.
std::vector<double> Heard(const QByteArray& pcm, const std::vector<double>& tones)
{
    const auto* s = reinterpret_cast<const std::int16_t*>(pcm.constData());
    const int count = int(pcm.size() / 2);
    std::vector<double> out;
    for (int at = 0; at + WindowSamples <= count; at += WindowSamples) {
        double best = 0, level = 0.1;
        for (double hz : tones) {
            const double l = ToneLevel(s + at, WindowSamples, hz);
            if (l > level) {
                level = l;
                best = hz;
            }
        }
        out.push_back(best);
    }
    return out;
}

struct Run {
    double hz;
    int windows;
};

// Runs of one tone, silence left out. A gap of up to 30 ms inside a tone (a
// busy machine starving the output for a moment) does not split it; its
// windows are not counted.
std::vector<Run> Runs(const std::vector<double>& heard)
{
    constexpr std::size_t MaxGap = 6;
    std::vector<Run> runs;
    std::size_t lastHeard = 0;
    for (std::size_t i = 0; i < heard.size(); ++i) {
        if (heard[i] == 0)
            continue;
        if (!runs.empty() && runs.back().hz == heard[i] && i - lastHeard <= MaxGap)
            ++runs.back().windows;
        else
            runs.push_back({heard[i], 1});
        lastHeard = i;
    }
    return runs;
}

struct PulseServer {
    QTemporaryDir dir;
    QProcess server;
    bool installed = !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
    QString startError;

    QString Socket() const { return dir.path() + QStringLiteral("/run/pulse/native"); }

    // Must run before anything touches the sound system: the process keeps
    // talking to the server it found first.
    void Start()
    {
        if (!installed)
            return;
        QDir(dir.path()).mkpath(QStringLiteral("run"));
        QDir(dir.path()).mkpath(QStringLiteral("home"));
        QFile config(dir.filePath(QStringLiteral("server.pa")));
        config.open(QIODevice::WriteOnly);
        config.write("load-module module-null-sink sink_name=ztsink rate=48000\n"
                     "load-module module-native-protocol-unix auth-anonymous=1\n"
                     "set-default-sink ztsink\n");
        config.close();
        QFile client(dir.filePath(QStringLiteral("client.conf")));
        client.open(QIODevice::WriteOnly);
        client.write("autospawn = no\n");
        client.close();
        qputenv("XDG_RUNTIME_DIR", dir.filePath(QStringLiteral("run")).toLocal8Bit());
        qputenv("HOME", dir.filePath(QStringLiteral("home")).toLocal8Bit());
        qputenv("PULSE_CLIENTCONFIG", client.fileName().toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + Socket()).toLocal8Bit());
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(QStringLiteral("pulseaudio"),
                     {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                      QStringLiteral("-n"), QStringLiteral("--log-level=error"),
                      QStringLiteral("-F"), config.fileName()});
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(Socket()) && clock.elapsed() < 10000)
            QThread::msleep(50);
        if (!QFile::exists(Socket()))
            startError = QStringLiteral("pulseaudio did not start");
        else
            QThread::msleep(300);  // the sink is loaded after the socket appears
    }

    ~PulseServer()
    {
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            if (!server.waitForFinished(5000))
                server.kill();
            server.waitForFinished(2000);
        }
    }
};

PulseServer* pulse = nullptr;

// Records the null sink's monitor while a scene runs.
QByteArray Record(const std::function<void()>& scene, int tailMs = 400)
{
    QProcess rec;
    rec.start(QStringLiteral("parec"),
              {QStringLiteral("-d"), QStringLiteral("ztsink.monitor"), QStringLiteral("--raw"),
               QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
               QStringLiteral("--rate=48000"), QStringLiteral("--latency-msec=10")});
    if (!rec.waitForStarted(5000))
        return {};
    QByteArray pcm;
    // Scene starts once the recorder delivers.
    QElapsedTimer clock;
    clock.start();
    while (pcm.size() < RecordRate / 10 && clock.elapsed() < 5000) {
        rec.waitForReadyRead(100);
        pcm += rec.readAllStandardOutput();
    }
    scene();
    QTest::qWait(tailMs);
    pcm += rec.readAllStandardOutput();
    rec.terminate();
    rec.waitForFinished(3000);
    pcm += rec.readAllStandardOutput();
    if (qEnvironmentVariableIsSet("ZTRN_SOUND_DEBUG")) {
        const auto* s = reinterpret_cast<const std::int16_t*>(pcm.constData());
        int peak = 0;
        for (qsizetype i = 0; i < pcm.size() / 2; ++i)
            peak = std::max(peak, std::abs(int(s[i])));
        qDebug() << "recorded" << pcm.size() << "bytes, peak" << peak;
    }
    return pcm;
}

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT
    std::vector<std::uint8_t> click_ = ToneWave(11025, 1000, 60);
    std::vector<std::uint8_t> solved_ = ToneWave(22050, 440, 3500);

private slots:
    void initTestCase()
    {
        if (!pulse->installed)
            QSKIP("pulseaudio is not installed");
        QVERIFY2(pulse->startError.isEmpty(), qPrintable(pulse->startError));
        QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty());
        QVERIFY(WavePlayer::Instance().HasDevice());
    }

    void everyQuickClickIsHeard()
    {
        const QByteArray pcm = Record([&] {
            for (int i = 0; i < 10; ++i) {
                QVERIFY(WavePlayer::Instance().Play(click_.data(), click_.size()));
                QTest::qWait(150);
            }
        });
        const std::vector<Run> runs = Runs(Heard(pcm, {1000, 440}));
        QCOMPARE(runs.size(), std::size_t(10));
        for (const Run& run : runs) {
            QCOMPARE(run.hz, 1000.0);
            // 60 ms, give or take a window at each end.
            QVERIFY2(run.windows >= 8 && run.windows <= 14, qPrintable(QString::number(run.windows)));
        }
    }

    void newSoundCutsTheOldAtOnce()
    {
        // A solving move: the click, then straight away the solved sound.
        const QByteArray pcm = Record(
            [&] {
                WavePlayer::Instance().Play(click_.data(), click_.size());
                QTest::qWait(20);
                WavePlayer::Instance().Play(solved_.data(), solved_.size());
            },
            3800);
        const std::vector<Run> runs = Runs(Heard(pcm, {1000, 440}));
        QVERIFY(!runs.empty());
        QCOMPARE(runs.back().hz, 440.0);
        int clickWindows = 0;
        for (const Run& run : runs)
            if (run.hz == 1000)
                clickWindows += run.windows;
        QVERIFY2(clickWindows < 10, "the click played out instead of being cut");
        QVERIFY2(runs.back().windows >= 600, "the solved sound did not play to its end");

        // And a click cuts a solved sound that is still playing.
        const QByteArray again = Record([&] {
            WavePlayer::Instance().Play(solved_.data(), solved_.size());
            QTest::qWait(300);
            WavePlayer::Instance().Play(click_.data(), click_.size());
        });
        const std::vector<Run> after = Runs(Heard(again, {1000, 440}));
        QVERIFY(after.size() >= 2);
        QCOMPARE(after.back().hz, 1000.0);
        QVERIFY(after[after.size() - 2].windows < 120);
    }

    void stopSilencesAndPlayGoesOn()
    {
        const QByteArray pcm = Record([&] {
            WavePlayer::Instance().Play(solved_.data(), solved_.size());
            QTest::qWait(300);
            WavePlayer::Instance().Stop();
            QTest::qWait(400);
            WavePlayer::Instance().Play(click_.data(), click_.size());
        });
        const std::vector<Run> runs = Runs(Heard(pcm, {1000, 440}));
        QCOMPARE(runs.size(), std::size_t(2));
        QCOMPARE(runs[0].hz, 440.0);
        QVERIFY(runs[0].windows < 100);  // stopped well before its 3.5 s
        QCOMPARE(runs[1].hz, 1000.0);
    }

    void imageMayGoAfterPlayReturns()
    {
        // The player must not read the image once Play has returned; a
        // scribbled-over copy must not be heard.
        const QByteArray pcm = Record([&] {
            std::vector<std::uint8_t> image = ToneWave(11025, 1000, 200);
            WavePlayer::Instance().Play(image.data(), image.size());
            std::fill(image.begin() + 44, image.end(), std::uint8_t(128));
            image.clear();
            image.shrink_to_fit();
            QTest::qWait(300);
        });
        const std::vector<Run> runs = Runs(Heard(pcm, {1000}));
        QCOMPARE(runs.size(), std::size_t(1));
        QVERIFY(runs[0].windows >= 38);
    }

    void soundAfterTheOutputRested()
    {
        // Long after a cue the output closes; the next cue must reopen it.
        QTest::qWait(3500);
        const QByteArray pcm = Record([&] {
            QVERIFY(WavePlayer::Instance().Play(click_.data(), click_.size()));
            QTest::qWait(200);
            WavePlayer::Instance().Play(click_.data(), click_.size());
        });
        const std::vector<Run> runs = Runs(Heard(pcm, {1000}));
        QCOMPARE(runs.size(), std::size_t(2));
    }

    void brokenImagesPlayNothing()
    {
        const QByteArray pcm = Record([&] {
            std::vector<std::uint8_t> bad = click_;
            std::memcpy(&bad[8], "WAVX", 4);
            QVERIFY(!WavePlayer::Instance().Play(bad.data(), bad.size()));
            QVERIFY(!WavePlayer::Instance().Play(nullptr, 0));
            QVERIFY(!WavePlayer::Instance().Play(click_.data(), 30));
        });
        QVERIFY(Runs(Heard(pcm, {1000, 440})).empty());
    }
};


// Wave images taken apart and resampled, without any output.
class WaveImageTest : public QObject {
    Q_OBJECT

    // A RIFF image from its fmt fields, data bytes and any chunks before data.
    static std::vector<std::uint8_t> Image(int tag, int channels, int rate, int bits,
                                           const std::vector<std::uint8_t>& data,
                                           const std::vector<std::uint8_t>& before = {},
                                           std::uint32_t dataLength = 0xFFFFFFFF)
    {
        std::vector<std::uint8_t> w{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
        auto put16 = [&](int v) { w.push_back(std::uint8_t(v)); w.push_back(std::uint8_t(v >> 8)); };
        auto put32 = [&](std::uint32_t v) { put16(int(v & 0xffff)); put16(int(v >> 16)); };
        w.insert(w.end(), {'f', 'm', 't', ' '});
        put32(16);
        put16(tag);
        put16(channels);
        put32(rate);
        put32(rate * channels * bits / 8);
        put16(channels * bits / 8);
        put16(bits);
        w.insert(w.end(), before.begin(), before.end());
        w.insert(w.end(), {'d', 'a', 't', 'a'});
        put32(dataLength == 0xFFFFFFFF ? std::uint32_t(data.size()) : dataLength);
        w.insert(w.end(), data.begin(), data.end());
        return w;
    }

private slots:
    void takingApart()
    {
        // The game's own kind: 8-bit unsigned mono.
        auto w = Image(1, 1, 11025, 8, {0, 128, 255});
        auto s = zt::ParseWave(w.data(), w.size());
        QVERIFY(s);
        QCOMPARE(s->rate, 11025);
        QCOMPARE(s->Frames(), std::size_t(3));
        QCOMPARE(s->samples[0], -1.0f);
        QCOMPARE(s->samples[1], 0.0f);
        QVERIFY(s->samples[2] > 0.99f);

        // 16-bit stereo, after an odd-sized chunk and its pad byte.
        std::vector<std::uint8_t> list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
        w = Image(1, 2, 22050, 16, {0x00, 0x80, 0xff, 0x7f, 0, 0, 0, 0}, list);
        s = zt::ParseWave(w.data(), w.size());
        QVERIFY(s);
        QCOMPARE(s->channels, 2);
        QCOMPARE(s->Frames(), std::size_t(2));
        QCOMPARE(s->samples[0], -1.0f);
        QVERIFY(s->samples[1] > 0.999f);

        // A data chunk that claims more than the image holds: what is there.
        w = Image(1, 1, 11025, 8, {10, 20, 30}, {}, 1000);
        s = zt::ParseWave(w.data(), w.size());
        QVERIFY(s);
        QCOMPARE(s->Frames(), std::size_t(3));
        // A half frame at the end is left out.
        w = Image(1, 2, 11025, 16, {1, 2, 3, 4, 5, 6});
        QCOMPARE(zt::ParseWave(w.data(), w.size())->Frames(), std::size_t(1));
    }

    void refusing()
    {
        const std::vector<std::uint8_t> some{1, 2, 3, 4};
        auto refused = [](const std::vector<std::uint8_t>& w) {
            return !zt::ParseWave(w.data(), w.size());
        };
        QVERIFY(refused(Image(2, 1, 11025, 4, some)));   // ADPCM
        QVERIFY(refused(Image(1, 0, 11025, 8, some)));   // no channels
        QVERIFY(refused(Image(1, 1, 11025, 12, some)));  // odd sample size
        QVERIFY(refused(Image(1, 1, 0, 8, some)));       // no rate
        std::vector<std::uint8_t> w = Image(1, 1, 11025, 8, some);
        w[8] = 'X';
        QVERIFY(refused(w));
        // A chunk whose length runs past the end, before any data.
        std::vector<std::uint8_t> huge{'J', 'U', 'N', 'K', 0xff, 0xff, 0xff, 0xff};
        QVERIFY(refused(Image(1, 1, 11025, 8, some, huge)));
        // Data before its format.
        std::vector<std::uint8_t> early{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                                        'd', 'a', 't', 'a', 1, 0, 0, 0, 9};
        QVERIFY(refused(early));
        QVERIFY(refused({}));
    }

    void resampling()
    {
        zt::WaveSamples mono;
        mono.rate = 11025;
        mono.samples.assign(11025, 0.5f);  // one second
        zt::OutputFormat out;
        out.rate = 48000;
        out.channels = 2;
        out.kind = zt::SampleKind::Int16;
        zt::WaveResampler r(&mono, out);
        std::vector<std::uint8_t> buffer(out.BytesPerFrame() * 1000);
        std::size_t frames = 0;
        bool sound = true;
        while (sound) {
            sound = r.Render(buffer.data(), 1000);
            frames += 1000;
            QVERIFY(frames < 60000);
        }
        // One second at the output's rate, give or take the last block.
        QVERIFY(frames >= 48000 && frames <= 49000);
        // Both channels carry the mono sound; silence follows it.
        std::int16_t first[2];
        zt::WaveResampler again(&mono, out);
        again.Render(buffer.data(), 1);
        std::memcpy(first, buffer.data(), 4);
        QCOMPARE(first[0], std::int16_t(16384));
        QCOMPARE(first[1], std::int16_t(16384));
        r.Render(buffer.data(), 1);
        std::memcpy(first, buffer.data(), 4);
        QCOMPARE(first[0], std::int16_t(0));

        // Stereo to mono averages; unsigned 8-bit silence is 128.
        zt::WaveSamples stereo;
        stereo.channels = 2;
        stereo.rate = 48000;
        stereo.samples = {1.0f, 0.0f};
        zt::OutputFormat byte{1, 48000, zt::SampleKind::UInt8};
        zt::WaveResampler down(&stereo, byte);
        std::uint8_t two[2];
        down.Render(two, 2);
        QCOMPARE(int(two[0]), 128 + 64);
        QCOMPARE(int(two[1]), 128);
    }
};

class NoServerTest : public QObject {
    Q_OBJECT
private slots:
    void silentWithoutAnyOutput()
    {
        WavePlayer& player = WavePlayer::Instance();
        QVERIFY(!player.HasDevice());
        const std::vector<std::uint8_t> click = ToneWave(11025, 1000, 60);
        for (int i = 0; i < 20; ++i)
            QVERIFY(!player.Play(click.data(), click.size()));
        player.Stop();
        QTest::qWait(100);
    }
};

int main(int argc, char** argv)
{
    const bool noServer = argc > 1 && std::strcmp(argv[1], "--no-server") == 0;
    QTemporaryDir empty;
    PulseServer server;
    pulse = &server;
    if (noServer) {
        // Nowhere to play: no server and none to be started on demand.
        QFile client(empty.filePath(QStringLiteral("client.conf")));
        client.open(QIODevice::WriteOnly);
        client.write("autospawn = no\n");
        client.close();
        qputenv("PULSE_CLIENTCONFIG", client.fileName().toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + empty.filePath(QStringLiteral("none"))).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", empty.path().toLocal8Bit());
        --argc;
        ++argv;
    } else {
        server.Start();
    }
    QCoreApplication app(argc, argv);
    if (noServer) {
        WaveImageTest images;
        NoServerTest test;
        return QTest::qExec(&images, argc, argv) | QTest::qExec(&test, argc, argv);
    }
    SoundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_sound.moc"
