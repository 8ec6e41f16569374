#include "mediadecoding.h"

#include <cstdint>
#include <exception>

#if defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace zt {

namespace {

// Once the pictures and sounds exist, neither the packed records nor the
// work buffers of decoding are needed again. Measured with
// `RUNS=8 bench/startup/run.sh`: 33.9 MB resident 2 s after start with this,
// 35.0 MB without it (dropping the pages or trimming alone gains less than
// half of that; trimming again later in the start gained under 0.6 MB and
// was left out).
void ReleaseDecodingMemory() {
#if defined(__linux__)
    // The records are constant data of the program file: dropped pages are
    // simply read from the file again, should anything look at them.
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    auto drop = [page](const std::vector<std::span<const std::uint8_t>>& records) {
        for (const auto& r : records) {
            const auto begin = (reinterpret_cast<std::uintptr_t>(r.data()) + page - 1) & ~(page - 1);
            const auto end = (reinterpret_cast<std::uintptr_t>(r.data()) + r.size()) & ~(page - 1);
            if (end > begin) {
                madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
            }
        }
    };
    drop(EmbeddedBitmapRecords());
    drop(EmbeddedWaveRecords());
#endif
    // The decoded BMP and wave images and the pixel rows were freed, but a
    // second thread's malloc arena keeps freed memory resident.
#if defined(__GLIBC__)
    malloc_trim(0);
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
    ReleaseDecodingMemory();
    return media;
}

std::future<GameMedia> BeginStartWork() {
    return std::async(std::launch::async, [] {
        GameMedia media = DecodeGameMedia();
        return media;
    });
}

} // namespace zt
