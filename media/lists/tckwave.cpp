#include "medialists.h"
#include "waveplayer.h"

#include <cstring>

namespace zt {

namespace {

// The header is read field by field as the original player's loader did:
// running out of bytes and a wrong tag are different faults.
void CheckWaveHeader(std::span<const std::uint8_t> content) {
    struct Field {
        std::size_t size;
        const char* tag; // nullptr: read but not compared
    };
    static constexpr Field fields[] = {
        {4, "RIFF"},  {4, nullptr}, {4, "WAVE"},  {4, "fmt "},  {4, nullptr},
        {2, nullptr}, {2, nullptr}, {4, nullptr}, {4, nullptr}, {2, nullptr},
    };
    std::size_t at = 0;
    for (const Field& f : fields) {
        if (content.size() - at < f.size)
            throw std::runtime_error("wave: the content ends within its first 34 bytes (" +
                                     std::to_string(content.size()) + " bytes)");
        if (f.tag && std::memcmp(content.data() + at, f.tag, 4) != 0)
            throw std::runtime_error(std::string("wave: invalid wave, the tag \"") + f.tag +
                                     "\" is missing");
        at += f.size;
    }
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
