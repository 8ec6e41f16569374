// Test content of the kinds the codec meets: noise, text, pictures of the
// game's kind.
#pragma once

#include <QTest>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace QTest {
// Failure messages: the size and the first bytes.
inline char* toString(const Bytes& b) {
    QByteArray text = "size " + QByteArray::number(qsizetype(b.size())) + ":";
    for (std::size_t i = 0; i < b.size() && i < 24; ++i)
        text += " " + QByteArray::number(b[i], 16).rightJustified(2, '0');
    return qstrdup(text.constData());
}
} // namespace QTest

inline void AppendLe32(Bytes& out, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

inline Bytes Noise(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b)
        x = static_cast<std::uint8_t>(rng());
    return b;
}

inline const char* const TextWords[] = {"Kreuzung", "Strasse", "bridge", "Damm",  "level",
                                        "solved",   "tile",    "Zebrastreifen",  "river",
                                        "Bahnlinie"};

inline Bytes TextLike(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes b;
    while (b.size() < n) {
        const std::string w = std::string(TextWords[rng() % 10]) + " ";
        b.insert(b.end(), w.begin(), w.end());
    }
    b.resize(n);
    return b;
}

// Words with numbers, as in a log: so many different byte triples that the
// encoder's hash table fills up and its collisions decide which copies it finds.
inline Bytes NumberedText(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes b;
    while (b.size() < n) {
        std::string w = TextWords[rng() % 10];
        w += " " + std::to_string(rng() % 100000) + "; ";
        b.insert(b.end(), w.begin(), w.end());
    }
    b.resize(n);
    return b;
}

// Pixel rows of 24 bits: grass dithered in two greens, grey roads with a
// dashed white centre line, flat blocks of colour.
inline Bytes PictureLike(int width, int height, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes b;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t r = 60, g = 150, bl = 50;
            if ((rng() & 3) == 0)
                g = 135;
            if (y % 48 >= 20 && y % 48 < 28) {
                r = g = bl = 112;
                if ((y % 48 == 23 || y % 48 == 24) && (x / 8) % 2 == 0)
                    r = g = bl = 255;
            } else if ((x / 96 + y / 96) % 5 == 0) {
                r = 150, g = 40, bl = 30;
            }
            b.insert(b.end(), {bl, g, r});
        }
        b.insert(b.end(), (4 - width * 3 % 4) % 4, 0);
    }
    return b;
}
