#include "blockcodec.h"

#include "byteorder.h"

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

// Lengths are stored as signed 32-bit numbers: a negative one is damage.
std::int32_t ReadLength(const std::uint8_t* p) {
    return static_cast<std::int32_t>(LoadLe32(p));
}

[[noreturn]] void Damaged(const char* what, std::size_t at) {
    throw CodecError(std::string("packed block: ") + what + " (at byte " + std::to_string(at) +
                     ")");
}

// Copy items are 3 to 18 bytes long. The output has slack at its end, so a
// copy is done with fixed moves that may write past the item, each move
// loading before it stores: chunks no longer than the offset then repeat the
// pattern exactly as a byte-by-byte copy would.
inline void Move8(std::uint8_t* dst, const std::uint8_t* src) {
    std::uint64_t chunk;
    std::memcpy(&chunk, src, 8);
    std::memcpy(dst, &chunk, 8);
}

// Writes 24 bytes at dst for a copy of up to 18 bytes from offset bytes back.
inline void CopyItem(std::uint8_t* dst, std::size_t offset) {
    const std::uint8_t* src = dst - offset;
    if (offset >= 8) {
        Move8(dst, src);
        Move8(dst + 8, src + 8);
        Move8(dst + 16, src + 16);
    } else {
        // Offsets below 8 (3 and 6 are a pixel or two of a 24-bit picture):
        // four bytes one by one, then the source steps so that it stays a
        // whole number of patterns behind and at least 8 bytes back.
        static constexpr std::uint8_t forward[8] = {0, 1, 2, 1, 0, 4, 4, 4};
        static constexpr std::int8_t back[8] = {0, 0, 0, -1, -4, 1, 2, 3};
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        dst[3] = src[3];
        src += forward[offset];
        std::uint32_t four;
        std::memcpy(&four, src, 4);
        std::memcpy(dst + 4, &four, 4);
        src -= back[offset];
        Move8(dst + 8, src);
        Move8(dst + 16, src + 8);
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
    const std::uint8_t* const b = block.data();
    if (b[0] == MethodStored) {
        std::memcpy(out, b + 1, len - 1);
        return len - 1;
    }
    if (len < 3)
        Damaged("the block ends within its first control word", len);
    const std::uint8_t* ip = b + 1;
    const std::uint8_t* const iend = b + len;
    std::uint8_t* op = out;
    std::uint8_t* const oend = out + PackChunk;
    // The control word sits in the upper half of c with a marker bit below
    // it: c's leading zeros count the literals in a row, and c equals Done
    // once all 16 items of the word are used.
    constexpr std::uint32_t Done = 0x80000000u;
    auto load = [](const std::uint8_t* p) {
        return ((std::uint32_t{p[0]} << 8 | p[1]) << 16) | 0x8000u;
    };
    std::uint32_t c = load(ip);
    ip += 2;
    // A run item whose four bytes are at hand.
    auto run = [&] {
        const std::size_t count = ((std::size_t{ip[1]} << 8) | ip[2]) + MinRun;
        if (count > static_cast<std::size_t>(oend - op))
            Damaged("the block writes past 32781 bytes", ip - b);
        std::memset(op, ip[3], count);
        op += count;
        ip += 4;
    };

    // Whole control words while their 16 items surely fit: at most 16 * 4
    // bytes in (plus the literal move's overreach, which also covers the next
    // control word) and, runs apart, 16 * 18 bytes out (plus the fixed
    // moves' overreach). Only a copy's reach and a run's length need checks
    // here.
    constexpr std::size_t WordInput = 16 * 4 + 16;
    constexpr std::size_t WordOutput = 16 * MaxMatch + 32;
    bool careful = false;
    while (!careful && static_cast<std::size_t>(iend - ip) >= WordInput &&
           static_cast<std::size_t>(oend - op) >= WordOutput) {
        for (;;) {
            if (!(c & Done)) {
                // Literals in a row, all at once.
                const int n = std::countl_zero(c);
                std::memcpy(op, ip, 16); // n is at most 16; the rest is slack
                op += n;
                ip += n;
                c <<= n;
            }
            if (c == Done) [[unlikely]]
                break;
            c <<= 1;
            const std::size_t offset = (std::size_t{ip[0]} << 4) | (ip[1] >> 4);
            if (offset != 0) [[likely]] {
                if (offset > static_cast<std::size_t>(op - out))
                    Damaged("a copy reaches before the block's start", ip - b);
                CopyItem(op, offset);
                op += (ip[1] & 0x0F) + MinMatch;
                ip += 2;
            } else {
                run();
                if (static_cast<std::size_t>(oend - op) < WordOutput) {
                    careful = true; // the rest of this word goes the careful way
                    break;
                }
            }
        }
        if (!careful) {
            c = load(ip);
            ip += 2;
        }
    }

    // The careful way, item by item, near the ends of input and output.
    while (ip < iend) {
        if (c == Done) {
            if (iend - ip < 2)
                Damaged("the block ends within a control word", ip - b);
            c = load(ip);
            ip += 2;
            if (ip >= iend)
                Damaged("a control word is not followed by an item", ip - b);
        }
        // The bits below the remaining ones are zero, so the count is capped
        // by what is left of the word; the padding bits of a block's last
        // word meet the block's end.
        const std::size_t literals = static_cast<std::size_t>(std::countl_zero(c));
        if (literals > 0) {
            const std::size_t n = std::min(literals, static_cast<std::size_t>(iend - ip));
            if (n > static_cast<std::size_t>(oend - op))
                Damaged("the block writes past 32781 bytes", ip - b);
            std::memcpy(op, ip, n);
            op += n;
            ip += n;
            c <<= literals;
            continue;
        }
        c <<= 1;
        if (iend - ip < 2)
            Damaged("a copy item runs past the block's end", ip - b);
        const std::size_t offset = (std::size_t{ip[0]} << 4) | (ip[1] >> 4);
        if (offset != 0) {
            const std::size_t length = (ip[1] & 0x0F) + MinMatch;
            if (offset > static_cast<std::size_t>(op - out))
                Damaged("a copy reaches before the block's start", ip - b);
            if (length > static_cast<std::size_t>(oend - op))
                Damaged("the block writes past 32781 bytes", ip - b);
            CopyItem(op, offset);
            op += length;
            ip += 2;
        } else {
            if (iend - ip < 4)
                Damaged("a run item runs past the block's end", ip - b);
            run();
        }
    }
    return static_cast<std::size_t>(op - out);
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
        StoreLe32(out.data() + at, static_cast<std::uint32_t>(len));
        at += 4 + len;
    }
    out.resize(at);
    StoreLe32(out.data() + start, static_cast<std::uint32_t>(at - start - 4));
}

std::size_t UnpackStream(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out) {
    if (in.size() < 4)
        throw CodecError("packed stream: the input ends within the total");
    const std::int32_t total = ReadLength(in.data());
    if (total < 0)
        throw CodecError("packed stream: the total " + std::to_string(total) + " is negative");
    if (static_cast<std::size_t>(total) > in.size() - 4)
        throw CodecError("packed stream: the total of " + std::to_string(total) +
                         " bytes runs past the end of the input");
    const std::size_t base = out.size();
    // Room for the whole content at once, from the block lengths alone, so
    // that the output never moves while it grows. A compressed block gives at
    // most 4111 bytes for every 4 of its own (a run), which bounds what a
    // damaged stream can make us take; beyond 16 MB the output grows as it
    // goes.
    std::size_t room = 0;
    for (std::size_t at = 4, left = static_cast<std::size_t>(total); left >= 4;) {
        const std::int32_t len = ReadLength(in.data() + at);
        if (len < 2 || static_cast<std::size_t>(len) + 4 > left)
            break; // reported below, in order
        const auto n = static_cast<std::size_t>(len);
        room += in[at + 4] == MethodStored ? n - 1 : std::min(PackChunk, n * 1028);
        at += 4 + n;
        left -= 4 + n;
    }
    if (room <= (std::size_t{1} << 24))
        out.reserve(base + room + UnpackSlack);
    std::size_t at = 4;
    std::size_t left = static_cast<std::size_t>(total);
    int blockNo = 0;
    try {
        while (left > 0) {
            ++blockNo;
            if (left < 4)
                throw CodecError("the total ends within a block's length field");
            const std::int32_t len = ReadLength(in.data() + at);
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
