// The wave player as a module of its own, which the game loads with its first
// sound: the sound system's libraries then cost the start nothing.
#include "waveplayer.h"

extern "C" __attribute__((visibility("default"))) zt::WavePlayer* ztrn_wave_player() {
    return &zt::MultimediaWavePlayer();
}
