#include "benchcontent.h"

#include "bmp.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <random>

namespace zt::bench {

namespace {

std::vector<std::uint8_t> ReadAsset(const std::string& name) {
    std::ifstream in(std::string(ZTRN_ASSET_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutLe(std::vector<std::uint8_t>& w, std::uint32_t v, int bytes) {
    for (int k = 0; k < bytes; ++k)
        w.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

std::vector<std::uint8_t> Wave(int rate, const std::vector<std::uint8_t>& samples) {
    std::vector<std::uint8_t> w = {'R', 'I', 'F', 'F'};
    PutLe(w, static_cast<std::uint32_t>(36 + samples.size()), 4);
    for (char c : std::string("WAVEfmt "))
        w.push_back(static_cast<std::uint8_t>(c));
    PutLe(w, 16, 4);
    PutLe(w, 1, 2);
    PutLe(w, 1, 2);
    PutLe(w, static_cast<std::uint32_t>(rate), 4);
    PutLe(w, static_cast<std::uint32_t>(rate), 4);
    PutLe(w, 1, 2);
    PutLe(w, 8, 2);
    for (char c : std::string("data"))
        w.push_back(static_cast<std::uint8_t>(c));
    PutLe(w, static_cast<std::uint32_t>(samples.size()), 4);
    w.insert(w.end(), samples.begin(), samples.end());
    return w;
}

Content Load(const std::string& file, std::vector<std::uint8_t> fallback) {
    Content c{file, ReadAsset(file), true};
    if (c.bytes.empty()) {
        c.bytes = std::move(fallback);
        c.fromAssets = false;
    }
    return c;
}

} // namespace

std::vector<std::uint8_t> SynthesisedPicture(int width, int height) {
    std::mt19937 rng(7);
    BmpImage im(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int tx = x % 48, ty = y % 48, tile = (x / 48) * 7 + (y / 48) * 3;
            std::uint32_t c = (rng() % 4 == 0) ? 0xFF2F8A2Fu : 0xFF3A9A35u; // grass
            if (tile % 5 == 0 && tx > 6 && tx < 42 && ty > 6 && ty < 42)
                c = tile % 2 ? 0xFF8C4A3Au : 0xFF3060C0u; // a roof or water
            else if (ty >= 19 && ty < 29)
                c = ((ty == 23 || ty == 24) && (x / 6) % 2 == 0) ? 0xFFF0F0F0u : 0xFF707070u;
            else if (tile % 3 == 0 && tx >= 19 && tx < 29)
                c = 0xFF707070u;
            if (x < 12 || y < 12 || x >= width - 12 || y >= height - 12)
                c = 0xFF808080u | ((rng() % 3) * 0x080808u); // a granite frame
            im.At(x, y) = c;
        }
    }
    return EncodeBmp(im, 24);
}

std::vector<std::uint8_t> SynthesisedWave() {
    std::mt19937 rng(3);
    const int n = 77992;
    std::vector<std::uint8_t> s(n);
    for (int i = 0; i < n; ++i) {
        const double t = i / 22050.0;
        const double env = std::min(1.0, t / 0.2) * std::min(1.0, (n - i) / 22050.0);
        const double v = std::sin(2 * M_PI * 440 * t) + 0.6 * std::sin(2 * M_PI * 554 * t) +
                         0.4 * std::sin(2 * M_PI * 659 * t);
        s[i] = static_cast<std::uint8_t>(128 + env * 45 * v + static_cast<int>(rng() % 3) - 1);
    }
    return Wave(22050, s);
}

std::vector<std::uint8_t> SynthesisedDigits() {
    BmpImage im(148, 20, 0xFF404000u);
    for (int x = 0; x < 121; ++x)
        for (int y = 2; y < 18; y += 2)
            if ((x % 11) % 2 == 1 && (x / 11 + y) % 3 != 0)
                im.At(x, y) = 0xFFFFFF00u;
    return EncodeBmp(im, 8);
}

const std::vector<MediaFile>& GameMedia() {
    static const std::vector<MediaFile> media = [] {
        std::vector<std::uint8_t> click;
        {
            std::mt19937 rng(5);
            std::vector<std::uint8_t> s(661);
            for (int i = 0; i < 661; ++i)
                s[i] =
                    static_cast<std::uint8_t>(128 + 100 * std::exp(-i / 80.0) * std::sin(i * 0.9) +
                                              static_cast<int>(rng() % 9) - 4);
            click = Wave(11025, s);
        }
        return std::vector<MediaFile>{
            {Load("tilesheet.bmp", SynthesisedPicture(960, 480)), 1},
            {Load("backdrop.bmp", SynthesisedPicture(520, 376)), 2},
            {Load("digits.bmp", SynthesisedDigits()), 6},
            {Load("solved.wav", SynthesisedWave()), 0},
            {Load("move.wav", click), 1},
        };
    }();
    return media;
}

} // namespace zt::bench
