// A RIFF WAVE image taken apart into samples the player can resample, and the
// resampling into whatever format the output device wants.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zt {

// The first fault in the fixed start of a RIFF WAVE image (the RIFF and WAVE
// tags, then a first chunk "fmt " up to its block alignment, 34 bytes in
// all), read field by field: running out of bytes and a wrong tag are
// different faults. False when there is none.
struct WaveStartFault {
    enum Kind { None, Truncated, MissingTag } kind = None;
    const char* tag = nullptr; // the tag that is missing
    explicit operator bool() const { return kind != None; }
};
inline constexpr std::size_t WaveStartBytes = 34;
WaveStartFault CheckWaveStart(std::span<const std::uint8_t> image);

struct WaveSamples {
    int channels = 1;
    int rate = 11025;
    std::vector<float> samples; // interleaved, -1..1
    std::size_t Frames() const { return channels > 0 ? samples.size() / channels : 0; }
};

// Reads the fmt and data chunks of a RIFF WAVE image: integer PCM of 8 to 32
// bits or 32-bit float, 1 to 8 channels. A data chunk cut short by the end of
// the image gives the frames that are there. Anything else: nothing.
std::optional<WaveSamples> ParseWave(const std::uint8_t* image, std::size_t size);

enum class SampleKind { UInt8, Int16, Int32, Float };

struct OutputFormat {
    int channels = 2;
    int rate = 48000;
    SampleKind kind = SampleKind::Int16;
    int BytesPerSample() const;
    int BytesPerFrame() const { return channels * BytesPerSample(); }
};

// Serves a sound in the output format, frame by frame, with linear
// interpolation between source frames; after the end it serves silence.
class WaveResampler {
public:
    WaveResampler() = default;
    WaveResampler(const WaveSamples* sound, OutputFormat out);

    // Fills frames of output (out.BytesPerFrame() each); true while sound
    // remains after them.
    bool Render(std::uint8_t* dest, std::size_t frames);
    bool Finished() const;

private:
    void WriteSample(std::uint8_t* dest, float value) const;

    const WaveSamples* sound_ = nullptr;
    OutputFormat out_;
    double position_ = 0; // in source frames
    double step_ = 1;
};

} // namespace zt
