#include "medialists.h"
#include "wavedata.h"
#include "waveplayer.h"

#include <string>

namespace zt {

namespace {

// Checked when loaded: a damaged wave is reported with the other media at
// start, not found out when its cue is first due.
void CheckWaveHeader(std::span<const std::uint8_t> content) {
    const WaveStartFault fault = CheckWaveStart(content);
    if (fault.kind == WaveStartFault::Truncated)
        throw std::runtime_error("wave: the content ends within its first " +
                                 std::to_string(WaveStartBytes) + " bytes (" +
                                 std::to_string(content.size()) + " bytes)");
    if (fault)
        throw std::runtime_error(std::string("wave: invalid wave, the tag \"") + fault.tag +
                                 "\" is missing");
}

} // namespace

TCKWave::~TCKWave() {
    if (!image_.empty())
        WavePlayer::Instance().Stop();
}

void TCKWave::LoadFromBytes(std::span<const std::uint8_t> content) {
    if (content.empty()) {
        Clear();
        return;
    }
    CheckWaveHeader(content);
    std::vector<std::uint8_t> image(content.begin(), content.end());
    // The player may still be reading the old image.
    if (!image_.empty())
        WavePlayer::Instance().Stop();
    image_.swap(image);
}

void TCKWave::Clear() {
    if (image_.empty())
        return;
    WavePlayer::Instance().Stop();
    std::vector<std::uint8_t>().swap(image_);
}

bool TCKWave::Play() {
    if (image_.empty())
        return false;
    WavePlayer& player = WavePlayer::Instance();
    if (!player.HasDevice())
        return false;
    return player.Play(image_.data(), image_.size());
}

void TCKWave::Stop() {
    WavePlayer::Instance().Stop();
}

} // namespace zt
