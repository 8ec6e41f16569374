// The game's two sound cues, synthesised: the click of a move and the chime of a
// solved level. Both are 8-bit unsigned mono PCM, centred on 128.
#pragma once

#include <QByteArray>
#include <vector>

namespace art {

inline constexpr int kMoveRate = 11025;
inline constexpr int kMoveSamples = 661;
inline constexpr int kSolvedRate = 22050;
inline constexpr int kSolvedSamples = 77992;

// The samples, -1..1, before they are turned into bytes.
std::vector<double> MoveSoundSamples();
std::vector<double> SolvedSoundSamples();

// A complete RIFF WAVE image: 44-byte header, the 8-bit samples, and a pad byte
// when their count is odd, as RIFF chunks are word aligned.
QByteArray WaveFile(const std::vector<double>& samples, int rate);

} // namespace art
