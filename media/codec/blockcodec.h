// The small LZRW block codec of the media records. Content is cut into pieces
// of PackChunk bytes; each piece becomes a block that decodes on its own, and
// the blocks, each behind its length, form one packed stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace zt {

// 32781, not 32768: the records in the game were made with this size.
inline constexpr std::size_t PackChunk = 32781;
// A stored block is one method byte longer than its piece.
inline constexpr std::size_t MaxBlockLength = PackChunk + 1;
// Room that PackBlock needs beyond the piece's length.
inline constexpr std::size_t PackSlack = 6;
// Room that UnpackBlock needs beyond PackChunk: copies are done eight bytes
// at a time and may write a little past their end.
inline constexpr std::size_t UnpackSlack = 32;

inline constexpr std::uint8_t MethodStored = 0x80;
inline constexpr std::uint8_t MethodCompressed = 0x40;

// Damaged packed data: the text says what is wrong and where.
class CodecError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Packs a piece of 1..PackChunk bytes into out, which must have room for
// piece.size() + PackSlack bytes. Returns the block's length, at most
// piece.size() + 1.
std::size_t PackBlock(std::span<const std::uint8_t> piece, std::uint8_t* out);
std::vector<std::uint8_t> PackBlock(std::span<const std::uint8_t> piece);

// Unpacks one block of 2..MaxBlockLength bytes into out, which must have
// room for PackChunk + UnpackSlack bytes. Returns the number of bytes it
// stands for. Throws CodecError for a damaged block; never reads outside the
// block nor writes outside out's room.
std::size_t UnpackBlock(std::span<const std::uint8_t> block, std::uint8_t* out);
std::vector<std::uint8_t> UnpackBlock(std::span<const std::uint8_t> block);

// Appends the packed stream of content to out.
void PackStream(std::span<const std::uint8_t> content, std::vector<std::uint8_t>& out);

// Reads one packed stream from the start of in and appends its content to
// out. Returns the number of bytes of in that the stream takes. Throws
// CodecError when the stream is damaged or truncated; out then holds what it
// held before.
std::size_t UnpackStream(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out);

} // namespace zt
