// Wave images of any content: checked as the lists check them, taken apart
// and resampled for the output.
#include <cstdlib>
#include <vector>

#include "wavedata.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zt::WaveStartFault fault = zt::CheckWaveStart({data, size});
    if (fault.kind == zt::WaveStartFault::MissingTag && !fault.tag)
        std::abort();
    const std::optional<zt::WaveSamples> sound = zt::ParseWave(data, size);
    if (!sound)
        return 0;
    if (sound->channels < 1 || sound->samples.size() % std::size_t(sound->channels) != 0)
        std::abort();
    for (float s : sound->samples)
        if (!(s >= -1.0f && s <= 1.0f))
            std::abort();
    for (zt::SampleKind kind : {zt::SampleKind::UInt8, zt::SampleKind::Float}) {
        zt::OutputFormat out;
        out.kind = kind;
        out.rate = 44100;
        out.channels = kind == zt::SampleKind::UInt8 ? 1 : 6;
        zt::WaveResampler resampler(&*sound, out);
        std::vector<std::uint8_t> buffer(std::size_t(out.BytesPerFrame()) * 512);
        for (int i = 0; i < 64 && !resampler.Finished(); ++i)
            resampler.Render(buffer.data(), 512);
    }
    return 0;
}
