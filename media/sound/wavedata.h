// A RIFF WAVE image taken apart into samples the player can resample, and the
// resampling into whatever format the output device wants.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace zt {

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
