// The game's wave player stands in for the real one, which lives in the
// module "zorbly-tarnel-sound" beside the program and is loaded when the
// first sound is asked for. Without the module the game is silent.
#include <QCoreApplication>
#include <QLibrary>

#include "waveplayer.h"

namespace zt {

namespace {

using Entry = WavePlayer* (*)();

class LoadingWavePlayer final : public WavePlayer {
public:
    bool HasDevice() override {
        WavePlayer* player = Real();
        return player && player->HasDevice();
    }

    bool Play(const std::uint8_t* image, std::size_t size) override {
        WavePlayer* player = Real();
        return player && player->Play(image, size);
    }

    // Before the first sound there is nothing to stop.
    void Stop() override {
        if (real_)
            real_->Stop();
    }

    // Without a first sound the module was never loaded: nothing to close.
    bool Shutdown() override {
        tried_ = true;
        return real_ && real_->Shutdown();
    }

private:
    WavePlayer* Real() {
        if (!real_ && !tried_ && QCoreApplication::instance()) {
            tried_ = true;
            // Stays loaded to the very end, as if linked in: the player's
            // clean-up and the sound system's threads live there.
            QLibrary module(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/zorbly-tarnel-sound"));
            module.setLoadHints(QLibrary::PreventUnloadHint);
            if (auto entry = reinterpret_cast<Entry>(module.resolve("ztrn_wave_player")))
                real_ = entry();
        }
        return real_;
    }

    WavePlayer* real_ = nullptr;
    bool tried_ = false;
};

WavePlayer* replacement = nullptr;

} // namespace

WavePlayer& WavePlayer::Instance() {
    static LoadingWavePlayer player;
    return replacement ? *replacement : player;
}

void WavePlayer::ReplaceInstance(WavePlayer* player) {
    replacement = player;
}

} // namespace zt
