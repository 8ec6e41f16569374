// Any bytes as a media record, and a bitmap's content through the BMP reader:
// read or refused with a text, never a fault. What reads must write and read
// back the same.
#include "bmp.h"
#include "mediarecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zt::MediaRecord record;
    std::size_t used = 0;
    try {
        record = zt::ReadMediaRecord({data, size}, &used);
    } catch (const zt::RecordError&) {
        return 0;
    }
    if (used > size)
        std::abort();
    // The reader keeps what the writer needs to make the same item again.
    zt::MediaRecord plain = record;
    plain.PixelFormat = zt::spfDefault;
    const zt::MediaRecord back = zt::ReadMediaRecord(zt::WriteMediaRecord(plain));
    if (back.Content != record.Content || back.Description != record.Description ||
        back.Ident != record.Ident)
        std::abort();
    if (record.Content.size() >= 2 && record.Content[0] == 'B' && record.Content[1] == 'M') {
        try {
            const zt::BmpImage picture = zt::DecodeBmp(record.Content);
            const int bits = zt::ReadBmpInfo(record.Content).bitsPerPixel;
            if (zt::DecodeBmp(zt::EncodeBmp(picture, 24)).pixels != picture.pixels)
                std::abort();
            if (bits <= 8 && zt::DecodeBmp(zt::EncodeBmp(picture, bits)).pixels != picture.pixels)
                std::abort();
        } catch (const zt::BmpError&) {
        }
    }
    return 0;
}
