#include "waveplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QTimer>
#include <memory>

#include "wavedata.h"

namespace zt {

namespace {

// How long the output stays open after a sound has ended. The sink is never
// stopped right after a sound: its idle state only means the samples were
// handed over, not that they were heard. Two seconds of silence later they
// surely were.
constexpr int LingerMs = 2000;
// The output's buffer: small, so that a new cue cuts the old one at once, but
// not below a few of the output's 20 ms periods, or the feed stalls before
// the stream ever starts.
constexpr int BufferMs = 80;

// What the output pulls: the current sound, then silence, for as long as the
// output runs. The user-interface thread swaps the sound; the output's thread
// reads it; the mutex is held only for the swap and for one read.
class PulledSound : public QIODevice {
public:
    void SetFormat(const OutputFormat& format) {
        QMutexLocker lock(&mutex_);
        format_ = format;
        resampler_ = WaveResampler(sound_.get(), format_);
        silentFrames_ = 0;
    }

    void Replace(std::unique_ptr<WaveSamples> sound) {
        QMutexLocker lock(&mutex_);
        sound_ = std::move(sound);
        resampler_ = WaveResampler(sound_.get(), format_);
        silentFrames_ = 0;
    }

    // Whether only silence has been served for longer than ms.
    bool SilentFor(int ms) {
        QMutexLocker lock(&mutex_);
        return resampler_.Finished() && silentFrames_ > qint64(format_.rate) * ms / 1000;
    }

    bool isSequential() const override { return true; }
    // There is always more: silence follows the sound.
    qint64 bytesAvailable() const override { return QIODevice::bytesAvailable() + (1 << 20); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        QMutexLocker lock(&mutex_);
        const int frameBytes = format_.BytesPerFrame();
        const qint64 frames = maxSize / frameBytes;
        const bool wasSounding = !resampler_.Finished();
        resampler_.Render(reinterpret_cast<std::uint8_t*>(data), std::size_t(frames));
        if (!wasSounding)
            silentFrames_ += frames;
        return frames * frameBytes;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QMutex mutex_;
    OutputFormat format_;
    std::unique_ptr<WaveSamples> sound_;
    WaveResampler resampler_;
    qint64 silentFrames_ = 0;
};

// Lives on the sound thread: opens the output when a sound comes, closes it
// when it has been silent for a while or the output stopped by itself.
class Output : public QObject {
public:
    explicit Output(PulledSound* source) : source_(source), linger_(new QTimer(this)) {
        linger_->setInterval(250);
        QObject::connect(linger_, &QTimer::timeout, this, [this] {
            if (!sink_)
                return;
            // A feed that no longer moves (device gone, server hung) is
            // dropped too; the next sound opens a fresh output.
            const qint64 processed = sink_->processedUSecs();
            stalledTicks_ = processed == lastProcessed_ ? stalledTicks_ + 1 : 0;
            lastProcessed_ = processed;
            if (sink_->state() == QAudio::StoppedState || source_->SilentFor(LingerMs) ||
                stalledTicks_ >= 8)
                Close();
        });
    }
    ~Output() override { Close(); }

    void Open() {
        if (sink_ && sink_->state() != QAudio::StoppedState)
            return;
        Close();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;
        QAudioFormat format = device.preferredFormat();
        if (format.sampleRate() <= 0)
            format.setSampleRate(48000);
        if (format.channelCount() <= 0)
            format.setChannelCount(2);
        QAudioFormat int16 = format;
        int16.setSampleFormat(QAudioFormat::Int16);
        if (device.isFormatSupported(int16) || format.sampleFormat() == QAudioFormat::Unknown)
            format = int16;
        source_->SetFormat(OutputFormatOf(format));
        if (!source_->isOpen())
            source_->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        sink_ = std::make_unique<QAudioSink>(device, format);
        sink_->setBufferSize(format.bytesForDuration(BufferMs * 1000));
        sink_->start(source_);
        stalledTicks_ = 0;
        lastProcessed_ = -1;
        if (sink_->state() == QAudio::StoppedState) {
            Close();
            return;
        }
        linger_->start();
    }

    void Close() {
        linger_->stop();
        if (sink_) {
            sink_->stop();
            sink_.reset();
        }
    }

private:
    static OutputFormat OutputFormatOf(const QAudioFormat& format) {
        OutputFormat out;
        out.rate = format.sampleRate();
        out.channels = format.channelCount();
        switch (format.sampleFormat()) {
        case QAudioFormat::UInt8:
            out.kind = SampleKind::UInt8;
            break;
        case QAudioFormat::Int32:
            out.kind = SampleKind::Int32;
            break;
        case QAudioFormat::Float:
            out.kind = SampleKind::Float;
            break;
        default:
            out.kind = SampleKind::Int16;
            break;
        }
        return out;
    }

    PulledSound* source_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer* linger_;
    qint64 lastProcessed_ = -1;
    int stalledTicks_ = 0;
};

class QtWavePlayer final : public WavePlayer {
public:
    bool HasDevice() override {
        if (!QCoreApplication::instance())
            return false;
        return !QMediaDevices::audioOutputs().isEmpty();
    }

    bool Play(const std::uint8_t* image, std::size_t size) override {
        // The samples are copied out at once, so the image is never read
        // after this returns.
        std::optional<WaveSamples> sound = ParseWave(image, size);
        source_.Replace(nullptr);
        if (!sound || !HasDevice())
            return false;
        source_.Replace(std::make_unique<WaveSamples>(std::move(*sound)));
        WakeOutput();
        return true;
    }

    void Stop() override { source_.Replace(nullptr); }

    bool Shutdown() override {
        if (!thread_)
            return used_;
        thread_->quit();
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
        return used_;
    }

private:
    // The output has a thread of its own, so that neither opening it nor
    // feeding it ever waits on the user-interface thread, or it on them.
    void WakeOutput() {
        if (used_ && !thread_)
            return; // shut down for good
        if (!thread_) {
            used_ = true;
            thread_ = new QThread;
            QThread* home = QThread::currentThread();
            output_ = new Output(&source_);
            output_->moveToThread(thread_);
            source_.moveToThread(thread_);
            // Runs on the sound thread as its last act: the output closes
            // where it was opened, and the source goes home.
            QObject::connect(
                thread_, &QThread::finished, thread_,
                [this, home] {
                    delete output_;
                    output_ = nullptr;
                    source_.moveToThread(home);
                },
                Qt::DirectConnection);
            // Where the system lets us, feeding the output comes first.
            thread_->start(QThread::TimeCriticalPriority);
            // Ended while the application, and with it the sound system, is
            // still there.
            qAddPostRoutine([] { MultimediaWavePlayer().Shutdown(); });
        }
        Output* out = output_;
        QMetaObject::invokeMethod(
            out, [out] { out->Open(); }, Qt::QueuedConnection);
    }

    PulledSound source_;
    QThread* thread_ = nullptr;
    Output* output_ = nullptr;
    bool used_ = false;
};

} // namespace

WavePlayer& MultimediaWavePlayer() {
    static QtWavePlayer player;
    return player;
}

} // namespace zt
