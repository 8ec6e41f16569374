#include "bmp.h"

#include "byteorder.h"

#include <bit>
#include <cstring>
#include <string>
#include <unordered_map>

namespace zt {

namespace {

constexpr std::uint32_t Opaque = 0xFF000000u;

std::size_t RowStride(std::size_t width, int bitsPerPixel) {
    return (width * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

// Where the pixel rows start; filled in by ParseHeaders for DecodeBmp.
struct Layout {
    BmpInfo info;
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;
};

Layout ParseHeaders(std::span<const std::uint8_t> file) {
    if (file.size() < 14 + 12)
        throw BmpError("BMP: the file is too short for its headers");
    if (file[0] != 'B' || file[1] != 'M')
        throw BmpError("BMP: the file does not start with \"BM\"");
    Layout l;
    const std::uint32_t pixelOffset = LoadLe32(file.data() + 10);
    const std::uint32_t headerSize = LoadLe32(file.data() + 14);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t colours = 0;
    std::size_t entrySize = 4;
    if (headerSize == 12) {
        width = LoadLe16(file.data() + 18);
        height = LoadLe16(file.data() + 20);
        bits = LoadLe16(file.data() + 24);
        entrySize = 3;
    } else if (headerSize >= 40 && headerSize <= 1024) {
        if (file.size() < 14 + std::size_t{headerSize})
            throw BmpError("BMP: the file ends within its info header");
        width = static_cast<std::int32_t>(LoadLe32(file.data() + 18));
        height = static_cast<std::int32_t>(LoadLe32(file.data() + 22));
        bits = LoadLe16(file.data() + 28);
        if (LoadLe32(file.data() + 30) != 0)
            throw BmpError("BMP: compressed pictures are not supported");
        colours = LoadLe32(file.data() + 46);
    } else {
        throw BmpError("BMP: unknown info header size " + std::to_string(headerSize));
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        throw BmpError("BMP: " + std::to_string(bits) + " bits per pixel are not supported");
    l.info.topDown = height < 0;
    if (height < 0)
        height = -height;
    if (width <= 0 || height <= 0 || width > MaxBmpSide || height > MaxBmpSide ||
        static_cast<std::size_t>(width * height) > MaxBmpPixels)
        throw BmpError("BMP: unusable picture size " + std::to_string(width) + " x " +
                       std::to_string(height));
    l.info.width = static_cast<int>(width);
    l.info.height = static_cast<int>(height);
    l.info.bitsPerPixel = static_cast<int>(bits);

    const std::size_t paletteStart = 14 + std::size_t{headerSize};
    std::size_t paletteEnd = paletteStart;
    if (bits <= 8) {
        const std::uint32_t full = 1u << bits;
        if (colours == 0)
            colours = full;
        if (colours > full)
            throw BmpError("BMP: the palette has more entries than the depth allows");
        paletteEnd = paletteStart + colours * entrySize;
        if (paletteEnd > file.size())
            throw BmpError("BMP: the file ends within its palette");
        l.info.palette.reserve(colours);
        for (std::size_t p = paletteStart; p < paletteEnd; p += entrySize)
            l.info.palette.push_back(Opaque | (std::uint32_t{file[p + 2]} << 16) |
                                     (std::uint32_t{file[p + 1]} << 8) | file[p]);
    }
    if (pixelOffset < paletteEnd && bits <= 8)
        throw BmpError("BMP: the pixels start inside the palette");
    if (pixelOffset < paletteStart)
        throw BmpError("BMP: the pixels start inside the headers");
    l.pixelOffset = pixelOffset;
    l.stride = RowStride(l.info.width, l.info.bitsPerPixel);
    const std::uint64_t need = std::uint64_t{pixelOffset} + std::uint64_t{l.stride} * height;
    if (need > file.size())
        throw BmpError("BMP: the file ends within its pixel rows");
    return l;
}

int Distance(std::uint32_t a, std::uint32_t b) {
    const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
    const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
    const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
    return dr * dr + dg * dg + db * db;
}

void PutFileAndInfoHeaders(std::vector<std::uint8_t>& out, const BmpImage& image, int bits,
                           std::size_t paletteEntries) {
    const std::size_t stride = RowStride(image.width, bits);
    const std::size_t offset = 14 + 40 + paletteEntries * 4;
    const std::size_t pixelBytes = stride * image.height;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    AppendLe32(out, static_cast<std::uint32_t>(offset + pixelBytes));
    AppendLe32(out, 0);
    AppendLe32(out, static_cast<std::uint32_t>(offset));
    AppendLe32(out, 40);
    AppendLe32(out, static_cast<std::uint32_t>(image.width));
    AppendLe32(out, static_cast<std::uint32_t>(image.height));
    AppendLe16(out, 1);
    AppendLe16(out, static_cast<std::uint32_t>(bits));
    AppendLe32(out, 0); // uncompressed
    AppendLe32(out, static_cast<std::uint32_t>(pixelBytes));
    AppendLe32(out, 2835); // 72 dots per inch
    AppendLe32(out, 2835);
    AppendLe32(out, 0);
    AppendLe32(out, 0);
}

void CheckImage(const BmpImage& image) {
    if (image.width <= 0 || image.height <= 0 || image.width > MaxBmpSide ||
        image.height > MaxBmpSide ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        throw BmpError("BMP: the picture to write has no usable size");
}

} // namespace

BmpImage::BmpImage(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

BmpInfo ReadBmpInfo(std::span<const std::uint8_t> file) {
    return ParseHeaders(file).info;
}

namespace {

void DecodeRows(std::span<const std::uint8_t> file, const Layout& l, std::uint32_t* out,
                std::size_t rowWords) {
    const BmpInfo& info = l.info;
    const std::size_t paletteSize = info.palette.size();
    for (int y = 0; y < info.height; ++y) {
        const int fileRow = info.topDown ? y : info.height - 1 - y;
        const std::uint8_t* row = file.data() + l.pixelOffset + l.stride * fileRow;
        std::uint32_t* dst = out + static_cast<std::size_t>(y) * rowWords;
        if (info.bitsPerPixel == 24) {
            int x = 0;
            if constexpr (std::endian::native == std::endian::little) {
                // Blue, green, red and the next pixel's blue in one load; the
                // last pixel of a row may end the file, so it goes byte by byte.
                for (; x + 1 < info.width; ++x, row += 3) {
                    std::uint32_t bgr;
                    std::memcpy(&bgr, row, 4);
                    dst[x] = Opaque | (bgr & 0xFFFFFFu);
                }
            }
            for (; x < info.width; ++x, row += 3)
                dst[x] =
                    Opaque | (std::uint32_t{row[2]} << 16) | (std::uint32_t{row[1]} << 8) | row[0];
            continue;
        }
        const int bits = info.bitsPerPixel;
        const int perByte = 8 / bits;
        const unsigned mask = (1u << bits) - 1;
        for (int x = 0; x < info.width; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            const unsigned index = (row[x / perByte] >> shift) & mask;
            if (index >= paletteSize)
                throw BmpError("BMP: a pixel refers to colour " + std::to_string(index) +
                               " beyond the palette");
            dst[x] = info.palette[index];
        }
    }
}

} // namespace

BmpImage DecodeBmp(std::span<const std::uint8_t> file) {
    const Layout l = ParseHeaders(file);
    BmpImage image(l.info.width, l.info.height);
    DecodeRows(file, l, image.pixels.data(), static_cast<std::size_t>(l.info.width));
    return image;
}

void DecodeBmpInto(std::span<const std::uint8_t> file, std::uint32_t* out, std::size_t rowWords) {
    DecodeRows(file, ParseHeaders(file), out, rowWords);
}

void DecodeBmp24Into(std::span<const std::uint8_t> file, std::uint8_t* out, std::size_t rowBytes) {
    const Layout l = ParseHeaders(file);
    const BmpInfo& info = l.info;
    if (info.bitsPerPixel != 24)
        throw BmpError("BMP: " + std::to_string(info.bitsPerPixel) +
                       " bits per pixel where 24 were expected");
    const std::size_t width = std::size_t{3} * static_cast<std::size_t>(info.width);
    for (int y = 0; y < info.height; ++y) {
        const int fileRow = info.topDown ? y : info.height - 1 - y;
        std::memcpy(out + static_cast<std::size_t>(y) * rowBytes,
                    file.data() + l.pixelOffset + l.stride * fileRow, width);
    }
}

std::vector<std::uint32_t> StandardPalette(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 1:
        return {0xFF000000u, 0xFFFFFFFFu};
    case 4:
        return {0xFF000000u, 0xFF800000u, 0xFF008000u, 0xFF808000u, 0xFF000080u, 0xFF800080u,
                0xFF008080u, 0xFFC0C0C0u, 0xFF808080u, 0xFFFF0000u, 0xFF00FF00u, 0xFFFFFF00u,
                0xFF0000FFu, 0xFFFF00FFu, 0xFF00FFFFu, 0xFFFFFFFFu};
    case 8: {
        std::vector<std::uint32_t> p;
        p.reserve(256);
        for (std::uint32_t r = 0; r < 6; ++r)
            for (std::uint32_t g = 0; g < 6; ++g)
                for (std::uint32_t b = 0; b < 6; ++b)
                    p.push_back(Opaque | (r * 51) << 16 | (g * 51) << 8 | b * 51);
        for (std::uint32_t i = 0; i < 40; ++i) {
            const std::uint32_t v = i * 255 / 39;
            p.push_back(Opaque | v << 16 | v << 8 | v);
        }
        return p;
    }
    default:
        throw BmpError("BMP: no palette for " + std::to_string(bitsPerPixel) + " bits");
    }
}

std::vector<std::uint8_t> EncodeBmp(const BmpImage& image, int bitsPerPixel) {
    if (bitsPerPixel == 24) {
        CheckImage(image);
        std::vector<std::uint8_t> out;
        PutFileAndInfoHeaders(out, image, 24, 0);
        const std::size_t pad = RowStride(image.width, 24) - std::size_t{3} * image.width;
        for (int y = image.height - 1; y >= 0; --y) {
            for (int x = 0; x < image.width; ++x) {
                const std::uint32_t c = image.At(x, y);
                out.push_back(static_cast<std::uint8_t>(c));
                out.push_back(static_cast<std::uint8_t>(c >> 8));
                out.push_back(static_cast<std::uint8_t>(c >> 16));
            }
            out.insert(out.end(), pad, 0);
        }
        return out;
    }
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
        throw BmpError("BMP: cannot write " + std::to_string(bitsPerPixel) + " bits per pixel");
    const std::size_t room = std::size_t{1} << bitsPerPixel;
    std::vector<std::uint32_t> own;
    std::unordered_map<std::uint32_t, bool> seen;
    for (std::uint32_t c : image.pixels) {
        c |= Opaque;
        if (seen.emplace(c, true).second) {
            own.push_back(c);
            if (own.size() > room)
                break;
        }
    }
    if (own.size() > room)
        own = StandardPalette(bitsPerPixel);
    return EncodeBmp(image, bitsPerPixel, own);
}

std::vector<std::uint8_t> EncodeBmp(const BmpImage& image, int bitsPerPixel,
                                    std::span<const std::uint32_t> palette) {
    CheckImage(image);
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
        throw BmpError("BMP: a palette needs 1, 4 or 8 bits per pixel");
    const std::size_t room = std::size_t{1} << bitsPerPixel;
    if (palette.empty() || palette.size() > room)
        throw BmpError("BMP: the palette must have 1 to " + std::to_string(room) + " colours");
    std::vector<std::uint8_t> out;
    PutFileAndInfoHeaders(out, image, bitsPerPixel, room);
    for (std::size_t i = 0; i < room; ++i) {
        const std::uint32_t c = i < palette.size() ? palette[i] : 0;
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
        out.push_back(static_cast<std::uint8_t>(c >> 16));
        out.push_back(0);
    }
    // Each colour is looked up once; pictures have few of them.
    std::unordered_map<std::uint32_t, std::uint8_t> index;
    auto indexOf = [&](std::uint32_t c) {
        c &= 0xFFFFFFu;
        auto it = index.find(c);
        if (it != index.end())
            return it->second;
        std::size_t best = 0;
        int bestDistance = Distance(c, palette[0]);
        for (std::size_t i = 1; i < palette.size() && bestDistance != 0; ++i) {
            const int d = Distance(c, palette[i]);
            if (d < bestDistance) {
                best = i;
                bestDistance = d;
            }
        }
        return index.emplace(c, static_cast<std::uint8_t>(best)).first->second;
    };
    const std::size_t stride = RowStride(image.width, bitsPerPixel);
    const int perByte = 8 / bitsPerPixel;
    std::vector<std::uint8_t> row(stride);
    for (int y = image.height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < image.width; ++x) {
            const int shift = 8 - bitsPerPixel * (x % perByte + 1);
            row[x / perByte] |= static_cast<std::uint8_t>(indexOf(image.At(x, y)) << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace zt
