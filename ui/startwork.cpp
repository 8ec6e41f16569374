#include "startwork.h"

#include <exception>

#if defined(__unix__) && !defined(__APPLE__)
#include <dlfcn.h>
#endif

namespace zt {

namespace {

// The first text Qt measures makes fontconfig read its configuration and
// caches, several milliseconds that the main thread would otherwise wait for.
// fontconfig is already loaded with Qt's GUI library and FcInit() may be
// called from any thread, any number of times; where it is not there,
// nothing happens.
void WarmFontConfig() {
#if defined(__unix__) && !defined(__APPLE__)
    using FcInitFn = int (*)();
    if (auto init = reinterpret_cast<FcInitFn>(dlsym(RTLD_DEFAULT, "FcInit"))) {
        init();
    }
#endif
}

} // namespace

GameMedia DecodeGameMedia() {
    GameMedia media;
    try {
        media.bitmaps.ReadRecords(EmbeddedBitmapRecords());
        media.waves.ReadRecords(EmbeddedWaveRecords());
        // Everything the game draws and plays must be there.
        for (int i = 0; i < 3; ++i) {
            media.bitmaps.Item(i);
        }
        media.waves.Item(1);
    } catch (const std::exception& e) {
        media.error = e.what();
    }
    return media;
}

std::future<GameMedia> BeginStartWork() {
    return std::async(std::launch::async, [] {
        GameMedia media = DecodeGameMedia();
        WarmFontConfig();
        return media;
    });
}

} // namespace zt
