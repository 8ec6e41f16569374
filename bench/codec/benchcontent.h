// The content the codec benchmark works on: the game's own pictures and
// sounds when they are there, else pictures and a sound of the same kind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zt::bench {

struct Content {
    std::string name;
    std::vector<std::uint8_t> bytes;
    bool fromAssets = false;
};

// A 24-bit picture of grass dithered in two greens, grey roads with dashed
// centre lines, and flat blocks (buildings, water, a frame).
std::vector<std::uint8_t> SynthesisedPicture(int width, int height);
// An 8-bit mono wave of 77,992 samples: a swelling and fading chord.
std::vector<std::uint8_t> SynthesisedWave();
std::vector<std::uint8_t> SynthesisedDigits();

// Tile sheet, backdrop, digit strip, solved sound, move click; idents as
// the game carries them.
struct MediaFile {
    Content content;
    std::uint16_t ident;
};
const std::vector<MediaFile>& GameMedia();

} // namespace zt::bench
