// Any bytes as a packed stream: decoded or refused with CodecError, never a
// fault. What decodes must pack and decode again to the same content.
#include "blockcodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
