// The one process-wide wave player: plays a RIFF WAVE image from memory in the
// background, one sound at a time. A new sound cuts the old one at once; with
// no output device everything is silent. Nothing here ever blocks the caller.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zt {

class WavePlayer {
public:
    // The game's player: a stand-in that loads the player module beside the
    // program with the first sound (soundloader.cpp).
    static WavePlayer& Instance();
    // Puts another player in the stand-in's place, for a test; nullptr puts
    // the stand-in back.
    static void ReplaceInstance(WavePlayer* player);

    // Whether a sound output device exists.
    virtual bool HasDevice() = 0;
    // Starts the image (a complete RIFF WAVE file in memory). The image must stay
    // valid and unchanged until Stop() or the next Play(). True when accepted.
    virtual bool Play(const std::uint8_t* image, std::size_t size) = 0;
    // Ends whatever is playing.
    virtual void Stop() = 0;
    // Closes the output and ends its thread, while the application object is
    // still there. Nothing plays after it. True when the sound system was
    // in use, that is when its own clean-up at exit is still to come.
    virtual bool Shutdown() = 0;

protected:
    virtual ~WavePlayer() = default;
};

// The player that sounds through Qt Multimedia: the module's own, and what
// the sound tests play through directly.
WavePlayer& MultimediaWavePlayer();

} // namespace zt
