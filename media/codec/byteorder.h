// Little-endian numbers in byte buffers: the order of every file the game
// reads or writes (packed streams, media records, BMP and RIFF WAVE images).
// Byte by byte, so any alignment and any host order will do.
#pragma once

#include <cstdint>
#include <vector>

namespace zt {

constexpr std::uint16_t LoadLe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

constexpr std::uint32_t LoadLe24(const std::uint8_t* p) {
    return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
}

constexpr std::uint32_t LoadLe32(const std::uint8_t* p) {
    return LoadLe24(p) | (std::uint32_t{p[3]} << 24);
}

constexpr void StoreLe32(std::uint8_t* p, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        p[k] = static_cast<std::uint8_t>(v >> (8 * k));
}

inline void AppendLe16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void AppendLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    AppendLe16(out, v & 0xFFFF);
    AppendLe16(out, v >> 16);
}

} // namespace zt
