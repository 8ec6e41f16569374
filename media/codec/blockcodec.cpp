#include "blockcodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>

namespace zt {

namespace {

constexpr std::size_t HashSize = 4096;
constexpr int MaxRun = 4095;
constexpr int MinRun = 16;
constexpr int MaxMatch = 18;
constexpr int MinMatch = 3;
constexpr int MaxOffset = 4095;

std::int32_t ReadLe32(const std::uint8_t* p) {
    const std::uint32_t v = p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                            (std::uint32_t{p[3]} << 24);
    return static_cast<std::int32_t>(v);
}

void WriteLe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

[[noreturn]] void Damaged(const char* what, std::size_t at) {
    throw CodecError(std::string("packed block: ") + what + " (at byte " + std::to_string(at) +
                     ")");
}

// Copies the rest of a copy item (its first three bytes are done by the
// caller one by one, see UnpackBlock) eight bytes at a time; it may write up
// to 16 bytes past the item's end, into the slack. A short offset is a
// repeating pattern that is first doubled until it spans eight bytes, each
// step loading before it stores.
inline void CopyBack(std::uint8_t* dst, std::size_t offset, std::size_t length) {
    const std::uint8_t* src = dst - offset;
    std::uint8_t* const end = dst + length;
    std::uint64_t chunk;
    while (static_cast<std::size_t>(dst - src) < 8) {
        std::memcpy(&chunk, src, 8);
        std::memcpy(dst, &chunk, 8);
        dst += dst - src;
    }
    while (dst < end) {
        std::memcpy(&chunk, src, 8);
        std::memcpy(dst, &chunk, 8);
        src += 8;
        dst += 8;
    }
}

// Writes a run 16 bytes at a time; it may write up to 15 bytes past its end,
// into the slack. Cheaper than memset for the few hundred bytes a run
// usually has.
inline void FillRun(std::uint8_t* dst, std::uint8_t value, std::size_t count) {
    const std::uint64_t pattern = 0x0101010101010101ull * value;
    for (std::uint8_t* const end = dst + count; dst < end; dst += 16) {
        std::memcpy(dst, &pattern, 8);
        std::memcpy(dst + 8, &pattern, 8);
    }
}

} // namespace

std::size_t PackBlock(std::span<const std::uint8_t> piece, std::uint8_t* out) {
    const std::size_t n = piece.size();
    if (n == 0 || n > PackChunk)
        throw CodecError("PackBlock: a piece must hold 1 to " + std::to_string(PackChunk) +
                         " bytes");
    const std::uint8_t* x = piece.data();
    // Positions are held as signed 16-bit numbers: this is what keeps the
    // encoder from copying from position 32768 and beyond.
    std::array<std::int16_t, HashSize> table;
    table.fill(-1);

    out[0] = MethodCompressed;
    std::size_t ctrlPos = 1;
    std::size_t outPos = 3;
    int items = 0;
    std::uint32_t ctrl = 0;
    std::size_t pos = 0;
    while (pos < n && outPos <= n) {
        if (items == 16) {
            out[ctrlPos] = static_cast<std::uint8_t>(ctrl >> 8);
            out[ctrlPos + 1] = static_cast<std::uint8_t>(ctrl);
            ctrlPos = outPos;
            outPos += 2;
            items = 0;
        }
        std::size_t r = 1;
        while (r < MaxRun && pos + r < n && x[pos + r] == x[pos])
            ++r;
        if (r >= MinRun) {
            out[outPos] = 0;
            out[outPos + 1] = static_cast<std::uint8_t>((r - MinRun) >> 8);
            out[outPos + 2] = static_cast<std::uint8_t>(r - MinRun);
            out[outPos + 3] = x[pos];
            outPos += 4;
            pos += r;
            ctrl = ((ctrl << 1) | 1) & 0xFFFF;
        } else {
            // Bytes past the piece's end count as 0 in the hash; a match there
            // could never reach three bytes anyway.
            const std::uint32_t b1 = pos + 1 < n ? x[pos + 1] : 0;
            const std::uint32_t b2 = pos + 2 < n ? x[pos + 2] : 0;
            const std::uint32_t v = (((std::uint32_t{x[pos]} << 4) ^ b1) << 4) ^ b2;
            const std::size_t h = ((v * 40543u) >> 4) & (HashSize - 1);
            const int c = table[h];
            table[h] = static_cast<std::int16_t>(static_cast<std::uint16_t>(pos));
            std::size_t m = 0;
            if (c != -1 && static_cast<long>(pos) - c <= MaxOffset) {
                const std::uint8_t* cand = x + c;
                while (m < MaxMatch && pos + m < n && x[pos + m] == cand[m])
                    ++m;
            }
            if (m >= MinMatch) {
                const std::size_t word = (pos - c) * 16 + (m - MinMatch);
                out[outPos] = static_cast<std::uint8_t>(word >> 8);
                out[outPos + 1] = static_cast<std::uint8_t>(word);
                outPos += 2;
                pos += m;
                ctrl = ((ctrl << 1) | 1) & 0xFFFF;
            } else {
                out[outPos++] = x[pos++];
                ctrl = (ctrl << 1) & 0xFFFF;
            }
        }
        ++items;
    }
    ctrl = (ctrl << (16 - items)) & 0xFFFF;
    out[ctrlPos] = static_cast<std::uint8_t>(ctrl >> 8);
    out[ctrlPos + 1] = static_cast<std::uint8_t>(ctrl);
    if (outPos > n) {
        out[0] = MethodStored;
        std::memcpy(out + 1, x, n);
        return n + 1;
    }
    return outPos;
}

std::vector<std::uint8_t> PackBlock(std::span<const std::uint8_t> piece) {
    std::vector<std::uint8_t> out(piece.size() + PackSlack);
    out.resize(PackBlock(piece, out.data()));
    return out;
}

std::size_t UnpackBlock(std::span<const std::uint8_t> block, std::uint8_t* out) {
    const std::size_t len = block.size();
    if (len < 2 || len > MaxBlockLength)
        throw CodecError("packed block: length " + std::to_string(len) + " is outside 2.." +
                         std::to_string(MaxBlockLength));
    const std::uint8_t* b = block.data();
    if (b[0] == MethodStored) {
        std::memcpy(out, b + 1, len - 1);
        return len - 1;
    }
    if (len < 3)
        Damaged("the block ends within its first control word", len);
    std::uint32_t ctrl = (std::uint32_t{b[1]} << 8) | b[2];
    int bits = 16;
    std::size_t i = 3;
    std::size_t o = 0;
    // A control word's 16 items take at most 2 + 16 * 4 bytes of input and,
    // runs apart, 16 * 18 bytes of output: while both are at hand the items
    // need no bounds checks but the copy's reach and the runs' length.
    constexpr std::size_t WordInput = 2 + 16 * 4 + 16;
    constexpr std::size_t WordOutput = 16 * MaxMatch;
    while (i < len) {
        if (bits == 0 && len - i >= WordInput && o + WordOutput <= PackChunk) {
            ctrl = (std::uint32_t{b[i]} << 8) | b[i + 1];
            i += 2;
            bits = 16;
            while (bits > 0) {
                if (!(ctrl & 0x8000)) {
                    const int n =
                        std::min(std::countl_zero(static_cast<std::uint16_t>(ctrl)), bits);
                    std::memcpy(out + o, b + i, 16); // at most 16; the rest is slack
                    o += static_cast<std::size_t>(n);
                    i += static_cast<std::size_t>(n);
                    ctrl <<= n;
                    bits -= n;
                    continue;
                } else {
                    const std::size_t offset = (std::size_t{b[i]} << 4) | (b[i + 1] >> 4);
                    if (offset != 0) {
                        if (offset > o)
                            Damaged("a copy reaches before the block's start", i);
                        const std::size_t length = (b[i + 1] & 0x0F) + MinMatch;
                        std::uint8_t* dst = out + o;
                        const std::uint8_t* src = dst - offset;
                        if (offset >= 8) {
                            // Whatever the length: no guessing which.
                            std::uint64_t chunk;
                            std::memcpy(&chunk, src, 8);
                            std::memcpy(dst, &chunk, 8);
                            std::memcpy(&chunk, src + 8, 8);
                            std::memcpy(dst + 8, &chunk, 8);
                            std::memcpy(&chunk, src + 16, 8);
                            std::memcpy(dst + 16, &chunk, 8);
                        } else {
                            dst[0] = src[0];
                            dst[1] = src[1];
                            dst[2] = src[2];
                            if (length > 3)
                                CopyBack(dst + 3, offset, length - 3);
                        }
                        o += length;
                        i += 2;
                    } else {
                        const std::size_t count =
                            ((std::size_t{b[i + 1]} << 8) | b[i + 2]) + MinRun;
                        if (o + count > PackChunk)
                            Damaged("the block writes past 32781 bytes", i);
                        FillRun(out + o, b[i + 3], count);
                        o += count;
                        i += 4;
                        if (o + WordOutput > PackChunk) {
                            // Near the output's end: the rest of this word
                            // goes the careful way.
                            ctrl <<= 1;
                            --bits;
                            break;
                        }
                    }
                }
                ctrl <<= 1;
                --bits;
            }
            continue;
        }
        if (bits == 0) {
            if (i + 2 > len)
                Damaged("the block ends within a control word", i);
            ctrl = (std::uint32_t{b[i]} << 8) | b[i + 1];
            i += 2;
            bits = 16;
            if (i >= len)
                Damaged("a control word is not followed by an item", i);
        }
        // Literals come in stretches: take all that the control word
        // announces in a row at once. The bits below the remaining ones are
        // zero, so the count is capped by what is left of the word; the
        // padding bits of a block's last word meet the block's end.
        int literals = std::countl_zero(static_cast<std::uint16_t>(ctrl));
        if (literals > 0) {
            std::size_t n = static_cast<std::size_t>(std::min(literals, bits));
            n = std::min(n, len - i);
            if (o + n > PackChunk)
                Damaged("the block writes past 32781 bytes", i);
            if (i + 16 <= len)
                std::memcpy(out + o, b + i, 16); // n is at most 16; the rest is slack
            else
                std::memcpy(out + o, b + i, n);
            o += n;
            i += n;
            ctrl <<= n;
            bits -= static_cast<int>(n);
            continue;
        }
        if (i + 2 > len)
            Damaged("a copy item runs past the block's end", i);
        const std::size_t offset = (std::size_t{b[i]} << 4) | (b[i + 1] >> 4);
        if (offset != 0) {
            const std::size_t length = (b[i + 1] & 0x0F) + MinMatch;
            if (offset > o)
                Damaged("a copy reaches before the block's start", i);
            if (o + length > PackChunk)
                Damaged("the block writes past 32781 bytes", i);
            std::uint8_t* dst = out + o;
            const std::uint8_t* src = dst - offset;
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            if (length > 3)
                CopyBack(dst + 3, offset, length - 3);
            o += length;
            i += 2;
        } else {
            if (i + 4 > len)
                Damaged("a run item runs past the block's end", i);
            const std::size_t count = ((std::size_t{b[i + 1]} << 8) | b[i + 2]) + MinRun;
            if (o + count > PackChunk)
                Damaged("the block writes past 32781 bytes", i);
            std::memset(out + o, b[i + 3], count);
            o += count;
            i += 4;
        }
        ctrl <<= 1;
        --bits;
    }
    return o;
}

std::vector<std::uint8_t> UnpackBlock(std::span<const std::uint8_t> block) {
    std::vector<std::uint8_t> out(PackChunk + UnpackSlack);
    out.resize(UnpackBlock(block, out.data()));
    return out;
}

void PackStream(std::span<const std::uint8_t> content, std::vector<std::uint8_t>& out) {
    const std::size_t n = content.size();
    // Each piece may grow by one byte and gets a length field.
    const std::size_t pieces = (n + PackChunk - 1) / PackChunk;
    if (n + pieces * 5 > 0x7FFFFFFF)
        throw CodecError("PackStream: the content is too large for one packed stream");
    const std::size_t start = out.size();
    out.resize(start + 4);
    std::size_t at = start + 4;
    for (std::size_t p = 0; p < n; p += PackChunk) {
        const std::size_t size = std::min(PackChunk, n - p);
        out.resize(at + 4 + size + PackSlack);
        const std::size_t len = PackBlock(content.subspan(p, size), out.data() + at + 4);
        WriteLe32(out.data() + at, static_cast<std::uint32_t>(len));
        at += 4 + len;
    }
    out.resize(at);
    WriteLe32(out.data() + start, static_cast<std::uint32_t>(at - start - 4));
}

std::size_t UnpackStream(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out) {
    if (in.size() < 4)
        throw CodecError("packed stream: the input ends within the total");
    const std::int32_t total = ReadLe32(in.data());
    if (total < 0)
        throw CodecError("packed stream: the total " + std::to_string(total) + " is negative");
    if (static_cast<std::size_t>(total) > in.size() - 4)
        throw CodecError("packed stream: the total of " + std::to_string(total) +
                         " bytes runs past the end of the input");
    const std::size_t base = out.size();
    std::size_t at = 4;
    std::size_t left = static_cast<std::size_t>(total);
    int blockNo = 0;
    try {
        while (left > 0) {
            ++blockNo;
            if (left < 4)
                throw CodecError("the total ends within a block's length field");
            const std::int32_t len = ReadLe32(in.data() + at);
            if (len < 2 || static_cast<std::size_t>(len) > MaxBlockLength)
                throw CodecError("the block length " + std::to_string(len) + " is outside 2.." +
                                 std::to_string(MaxBlockLength));
            if (static_cast<std::size_t>(len) + 4 > left)
                throw CodecError("the block runs past the total");
            const std::size_t have = out.size();
            out.resize(have + PackChunk + UnpackSlack);
            const std::size_t got = UnpackBlock(in.subspan(at + 4, len), out.data() + have);
            out.resize(have + got);
            at += 4 + len;
            left -= 4 + len;
        }
    } catch (const CodecError& e) {
        out.resize(base);
        throw CodecError("packed stream, block " + std::to_string(blockNo) + ": " + e.what());
    }
    return at;
}

} // namespace zt
