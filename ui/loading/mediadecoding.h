// Start-up work that needs no window: decoding the pictures and sounds. It runs on a second thread while the
// opening effect plays, so the first outline appears sooner.
#pragma once

#include <future>
#include <string>

#include "medialists.h"

namespace zt {

struct GameMedia {
    TCKBitmapList bitmaps;
    TCKWaveList waves;
    std::string error; // empty when every picture and sound decoded
};

// Decodes the embedded pictures and sounds; never throws. Safe on any thread.
GameMedia DecodeGameMedia();

// Starts DecodeGameMedia() on a thread of its own.
std::future<GameMedia> BeginStartWork();

} // namespace zt
