// Uncompressed BMP files: reading them into 32-bit pixels and writing them at
// 1, 4, 8 or 24 bits per pixel. Plain C++, so the media tool and the art
// program can share it with the game.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace zt {

// A picture as 0xFFRRGGBB words, rows top to bottom (the layout of a QImage in
// Format_RGB32, so the game can copy it over row by row).
struct BmpImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    BmpImage() = default;
    BmpImage(int w, int h, std::uint32_t fill = 0xFF000000u);
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A file the reader does not accept: damaged, truncated or of a kind it does
// not handle. The text says which.
class BmpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the headers say about a file, without its pixels.
struct BmpInfo {
    int width = 0;
    int height = 0; // always positive; topDown tells the row order
    int bitsPerPixel = 0;
    bool topDown = false;
    std::vector<std::uint32_t> palette; // 0xFFRRGGBB, empty for 24 bits
};

// Pictures larger than this are refused before any memory is taken for them.
inline constexpr int MaxBmpSide = 16384;
inline constexpr std::size_t MaxBmpPixels = std::size_t{1} << 26;

// Reads the headers and checks that the whole picture lies inside the file.
BmpInfo ReadBmpInfo(std::span<const std::uint8_t> file);

// Reads an uncompressed BMP of 1, 4, 8 or 24 bits per pixel, bottom-up or
// top-down, with a 40-byte (or longer) info header or the old 12-byte one.
BmpImage DecodeBmp(std::span<const std::uint8_t> file);
// The same pixels straight into rows of words at out, rowWords apart (a
// QImage's scan lines, say), which must hold the height and width that
// ReadBmpInfo gives.
void DecodeBmpInto(std::span<const std::uint8_t> file, std::uint32_t* out, std::size_t rowWords);
// A 24-bit picture's pixels as the file holds them, three bytes each (blue,
// green, red), into rows at out, rowBytes apart (a QImage's scan lines in
// Format_BGR888): a quarter less memory than words. Throws BmpError for a
// picture of any other depth.
void DecodeBmp24Into(std::span<const std::uint8_t> file, std::uint8_t* out, std::size_t rowBytes);

// Writes a BMP: 14-byte file header "BM", 40-byte info header, for 1, 4 and
// 8 bits a palette of 2, 16 or 256 entries, rows padded to 4 bytes, bottom-up.
// 24 bits writes the colours as they are. For the indexed depths the palette
// is built from the picture's own colours when they fit, in order of first
// appearance; otherwise each pixel takes the nearest colour of
// StandardPalette(bitsPerPixel).
std::vector<std::uint8_t> EncodeBmp(const BmpImage& image, int bitsPerPixel);

// As above with a palette of the caller's (at most 2^bitsPerPixel colours;
// the rest of the table is filled with black). Each pixel takes the palette
// entry of its exact colour, or the nearest one when it has none.
std::vector<std::uint8_t> EncodeBmp(const BmpImage& image, int bitsPerPixel,
                                    std::span<const std::uint32_t> palette);

// Black and white; the 16 colours of the classic desktop; for 8 bits a
// 6 x 6 x 6 colour cube followed by 40 greys.
std::vector<std::uint32_t> StandardPalette(int bitsPerPixel);

} // namespace zt
