#include "wavedata.h"

#include "byteorder.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zt {

namespace {

// The fixed start of an image as the game's records hold it: the RIFF header,
// then a first chunk "fmt " up to its block alignment.
struct StartField {
    std::size_t size;
    const char* tag; // nullptr: read but not compared
};
constexpr StartField StartFields[] = {
    {4, "RIFF"},  {4, nullptr}, {4, "WAVE"},  {4, "fmt "},  {4, nullptr},
    {2, nullptr}, {2, nullptr}, {4, nullptr}, {4, nullptr}, {2, nullptr},
};
static_assert([] {
    std::size_t n = 0;
    for (const StartField& f : StartFields)
        n += f.size;
    return n;
}() == WaveStartBytes);
// The RIFF header alone: the first three fields.
constexpr std::size_t RiffHeaderFields = 3;

WaveStartFault CheckFields(std::span<const std::uint8_t> image, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const StartField& f = StartFields[i];
        if (image.size() - at < f.size)
            return {WaveStartFault::Truncated, nullptr};
        if (f.tag && std::memcmp(image.data() + at, f.tag, 4) != 0)
            return {WaveStartFault::MissingTag, f.tag};
        at += f.size;
    }
    return {};
}

struct Fmt {
    int tag = 0;
    int channels = 0;
    std::uint32_t rate = 0;
    int bits = 0;
    int blockAlign = 0;
};

float DecodeSample(const std::uint8_t* p, const Fmt& fmt) {
    switch (fmt.bits) {
    case 8:
        return (int(p[0]) - 128) / 128.0f;
    case 16:
        return std::int16_t(LoadLe16(p)) / 32768.0f;
    case 24: {
        // Three bytes only: the last sample may end the image.
        const std::int32_t v = std::int32_t(LoadLe24(p) << 8) >> 8;
        return float(v) / 8388608.0f;
    }
    default:
        if (fmt.tag == 3) {
            float f;
            std::uint32_t bitsValue = LoadLe32(p);
            std::memcpy(&f, &bitsValue, 4);
            return std::isfinite(f) ? std::clamp(f, -1.0f, 1.0f) : 0.0f;
        }
        return float(double(std::int32_t(LoadLe32(p))) / 2147483648.0);
    }
}

} // namespace

WaveStartFault CheckWaveStart(std::span<const std::uint8_t> image) {
    return CheckFields(image, std::size(StartFields));
}

std::optional<WaveSamples> ParseWave(const std::uint8_t* image, std::size_t size) {
    if (!image || CheckFields({image, size}, RiffHeaderFields))
        return std::nullopt;
    std::optional<Fmt> fmt;
    std::size_t at = 12;
    while (at + 8 <= size) {
        const std::uint8_t* chunk = image + at;
        const std::size_t length = LoadLe32(chunk + 4);
        const std::size_t body = at + 8;
        const std::size_t available = std::min<std::size_t>(length, size - body);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (available < 16)
                return std::nullopt;
            Fmt f;
            f.tag = LoadLe16(image + body);
            f.channels = LoadLe16(image + body + 2);
            f.rate = LoadLe32(image + body + 4);
            f.blockAlign = LoadLe16(image + body + 12);
            f.bits = LoadLe16(image + body + 14);
            if (f.tag == 0xFFFE && available >= 26)
                f.tag = LoadLe16(image + body + 24); // extensible: the sub-format's first word
            const bool intPcm =
                f.tag == 1 && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
            const bool floatPcm = f.tag == 3 && f.bits == 32;
            if (!(intPcm || floatPcm) || f.channels < 1 || f.channels > 8 || f.rate < 1000 ||
                f.rate > 384000)
                return std::nullopt;
            if (f.blockAlign < f.channels * f.bits / 8)
                f.blockAlign = f.channels * f.bits / 8;
            fmt = f;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!fmt)
                return std::nullopt;
            WaveSamples out;
            out.channels = fmt->channels;
            out.rate = int(fmt->rate);
            const std::size_t frames = available / fmt->blockAlign;
            const int sampleBytes = fmt->bits / 8;
            out.samples.resize(frames * fmt->channels);
            for (std::size_t i = 0; i < frames; ++i) {
                const std::uint8_t* frame = image + body + i * fmt->blockAlign;
                for (int c = 0; c < fmt->channels; ++c)
                    out.samples[i * fmt->channels + c] =
                        DecodeSample(frame + c * sampleBytes, *fmt);
            }
            return out;
        }
        // Chunks are padded to an even length.
        if (length > size - body)
            break;
        at = body + length + (length & 1);
    }
    return std::nullopt;
}

int OutputFormat::BytesPerSample() const {
    switch (kind) {
    case SampleKind::UInt8:
        return 1;
    case SampleKind::Int16:
        return 2;
    case SampleKind::Int32:
    case SampleKind::Float:
        return 4;
    }
    return 2;
}

WaveResampler::WaveResampler(const WaveSamples* sound, OutputFormat out)
    : sound_(sound), out_(out) {
    if (sound_ && out_.rate > 0)
        step_ = double(sound_->rate) / out_.rate;
}

bool WaveResampler::Finished() const {
    return !sound_ || position_ >= double(sound_->Frames());
}

void WaveResampler::WriteSample(std::uint8_t* dest, float value) const {
    value = std::clamp(value, -1.0f, 1.0f);
    switch (out_.kind) {
    case SampleKind::UInt8:
        dest[0] = std::uint8_t(std::lround(value * 127.0f) + 128);
        break;
    case SampleKind::Int16: {
        const std::int16_t v = std::int16_t(std::lround(value * 32767.0f));
        std::memcpy(dest, &v, 2);
        break;
    }
    case SampleKind::Int32: {
        const std::int32_t v = std::int32_t(std::llround(double(value) * 2147483647.0));
        std::memcpy(dest, &v, 4);
        break;
    }
    case SampleKind::Float:
        std::memcpy(dest, &value, 4);
        break;
    }
}

bool WaveResampler::Render(std::uint8_t* dest, std::size_t frames) {
    const int bytesPerSample = out_.BytesPerSample();
    const std::size_t sourceFrames = sound_ ? sound_->Frames() : 0;
    for (std::size_t f = 0; f < frames; ++f) {
        std::uint8_t* frame = dest + f * out_.BytesPerFrame();
        if (position_ >= double(sourceFrames)) {
            for (int c = 0; c < out_.channels; ++c)
                WriteSample(frame + c * bytesPerSample, 0.0f);
            continue;
        }
        const std::size_t i = std::size_t(position_);
        const float t = float(position_ - double(i));
        const std::size_t j = std::min(i + 1, sourceFrames - 1);
        const int inChannels = sound_->channels;
        auto at = [&](std::size_t frameIndex, int c) {
            return sound_->samples[frameIndex * inChannels + c];
        };
        for (int c = 0; c < out_.channels; ++c) {
            float value;
            if (out_.channels == 1 && inChannels > 1) {
                value = 0;
                for (int k = 0; k < inChannels; ++k)
                    value += at(i, k) + t * (at(j, k) - at(i, k));
                value /= float(inChannels);
            } else {
                const int k = std::min(c, inChannels - 1);
                value = at(i, k) + t * (at(j, k) - at(i, k));
            }
            WriteSample(frame + c * bytesPerSample, value);
        }
        position_ += step_;
    }
    return !Finished();
}

} // namespace zt
