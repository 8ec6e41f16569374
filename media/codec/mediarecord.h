// The stored form of one media list item: flags, the optional description,
// ident and content, and the pixel format a bitmap was written in.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zt {

// The bits of the ItemFlags byte that starts every record.
enum ItemFlagBits : std::uint8_t {
    ItemPacked = 0x01,      // the content is a packed stream
    ItemDescription = 0x02, // a length byte and the description follow
    ItemIdent = 0x04,       // a 32-bit ident follows
    ItemContent = 0x08,     // content follows
    ItemMono = 0x10,
    Item4bit = 0x20,
    Item8bit = 0x40,
};

// The depth in which a bitmap item is written.
enum TCKSavePixelFormat : int { spfDefault = 0, spfMono = 1, spf4bit = 2, spf8bit = 3 };

struct MediaRecord {
    std::string Description; // 8-bit characters, at most 255
    std::uint16_t Ident = 0; // 0 when absent
    bool Compressed = false;
    TCKSavePixelFormat PixelFormat = spfDefault; // bitmap items only
    std::vector<std::uint8_t> Content;           // a BMP or RIFF WAVE image, or nothing
};

// A record that is damaged or truncated, or one that cannot be written.
class RecordError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Bits only for what is present; at most one pixel-format bit.
std::uint8_t ComputeItemFlags(const MediaRecord& record);

// Reads one record from the start of in. When used is given it receives the
// number of bytes the record takes; without it, bytes after the record are
// an error. Throws RecordError with a text for damaged or truncated input.
MediaRecord ReadMediaRecord(std::span<const std::uint8_t> in, std::size_t* used = nullptr);

// Writes a record. A bitmap with spfMono, spf4bit or spf8bit has its content
// rewritten as a BMP of 1, 4 or 8 bits per pixel first (see
// ConvertBitmapContent).
std::vector<std::uint8_t> WriteMediaRecord(const MediaRecord& record);

// The BMP image a bitmap item is written as in the given pixel format. A
// 1-bit picture stays as it is whatever the format; spfDefault keeps any
// picture as it is. Throws BmpError for content that is not a usable BMP.
std::vector<std::uint8_t> ConvertBitmapContent(std::span<const std::uint8_t> bmp,
                                               TCKSavePixelFormat format);

} // namespace zt
