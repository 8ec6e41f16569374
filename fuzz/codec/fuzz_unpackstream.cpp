// Any bytes as a packed stream: decoded or refused with CodecError, never a
// fault. What decodes must pack and decode again to the same content.
// The same bytes as one block must decode exactly as the plain decoder below
// does, item by item and byte by byte: the fast decoder's fixed-width moves
// and once-per-word checks must neither change the result nor let a damaged
// block through.
#include "blockcodec.h"

#include <cstdlib>
#include <optional>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<Bytes> PlainUnpackBlock(const std::uint8_t* b, std::size_t len) {
    if (b[0] == zt::MethodStored)
        return Bytes(b + 1, b + len);
    Bytes out;
    if (len < 3)
        return std::nullopt;
    unsigned ctrl = b[1] << 8 | b[2];
    int bits = 16;
    std::size_t i = 3;
    while (i < len) {
        if (bits == 0) {
            if (i + 2 >= len) // a control word needs an item after it
                return std::nullopt;
            ctrl = b[i] << 8 | b[i + 1];
            i += 2;
            bits = 16;
        }
        if (ctrl & 0x8000) {
            if (i + 2 > len)
                return std::nullopt;
            const std::size_t offset = b[i] * 16 + b[i + 1] / 16;
            if (offset != 0) {
                const std::size_t length = b[i + 1] % 16 + 3;
                if (offset > out.size() || out.size() + length > zt::PackChunk)
                    return std::nullopt;
                for (std::size_t k = 0; k < length; ++k)
                    out.push_back(out[out.size() - offset]);
                i += 2;
            } else {
                if (i + 4 > len)
                    return std::nullopt;
                const std::size_t count = b[i + 1] * 256 + b[i + 2] + 16;
                if (out.size() + count > zt::PackChunk)
                    return std::nullopt;
                out.insert(out.end(), count, b[i + 3]);
                i += 4;
            }
        } else {
            if (out.size() == zt::PackChunk)
                return std::nullopt;
            out.push_back(b[i]);
            i += 1;
        }
        ctrl = (ctrl * 2) % 65536;
        --bits;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 2 && size <= zt::MaxBlockLength) {
        const std::optional<Bytes> plain = PlainUnpackBlock(data, size);
        std::optional<Bytes> fast;
        try {
            fast = zt::UnpackBlock({data, size});
        } catch (const zt::CodecError&) {
        }
        if (plain != fast)
            std::abort();
    }

    std::vector<std::uint8_t> content;
    std::size_t used = 0;
    try {
        used = zt::UnpackStream({data, size}, content);
    } catch (const zt::CodecError&) {
        return 0;
    }
    if (used > size)
        std::abort();
    std::vector<std::uint8_t> packed;
    zt::PackStream(content, packed);
    std::vector<std::uint8_t> again;
    if (zt::UnpackStream(packed, again) != packed.size() || again != content)
        std::abort();
    return 0;
}
