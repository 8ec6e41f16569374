#include "medialists.h"

#include "bmp.h"
#include "mediarecord.h"

#include <cstring>
#include <string>

namespace zt {

namespace {

[[noreturn]] void ThrowIndexError(const char* list, int position, int count) {
    throw ListIndexError(std::string(list) + ": list index out of bounds (" +
                         std::to_string(position) + "), the list holds " + std::to_string(count) +
                         " items");
}

// Decoded straight into the image's rows: no second copy of the pixels. A
// 24-bit picture keeps its three bytes a pixel, in the file's own order: the
// painter converts the few pixels it copies at a time, and the game's large
// pictures take a quarter less memory for the whole run.
QImage ReadPicture(std::span<const std::uint8_t> bmp) {
    const BmpInfo info = ReadBmpInfo(bmp);
    const bool deep = info.bitsPerPixel == 24;
    QImage image(info.width, info.height, deep ? QImage::Format_BGR888 : QImage::Format_RGB32);
    if (image.isNull())
        throw std::runtime_error("bitmap: no memory for a picture of " +
                                 std::to_string(info.width) + " x " + std::to_string(info.height));
    if (deep)
        DecodeBmp24Into(bmp, image.bits(), static_cast<std::size_t>(image.bytesPerLine()));
    else
        DecodeBmpInto(bmp, reinterpret_cast<std::uint32_t*>(image.bits()),
                      static_cast<std::size_t>(image.bytesPerLine()) / 4);
    return image;
}

} // namespace

TCKBitmapListItem& TCKBitmapList::Item(int position) {
    if (position < 0 || position >= Count())
        ThrowIndexError("TCKBitmapList", position, Count());
    return *items_[static_cast<std::size_t>(position)];
}

void TCKBitmapList::ReadRecords(const std::vector<std::span<const std::uint8_t>>& records) {
    for (const auto& bytes : records) {
        const MediaRecord record = ReadMediaRecord(bytes);
        auto item = std::make_unique<TCKBitmapListItem>();
        item->Description = QString::fromLatin1(record.Description.data(),
                                                static_cast<qsizetype>(record.Description.size()));
        item->Ident = record.Ident;
        item->Compressed = record.Compressed;
        item->PixelFormat = record.PixelFormat;
        if (!record.Content.empty())
            item->Bitmap = ReadPicture(record.Content);
        items_.push_back(std::move(item));
    }
}

TCKWaveListItem& TCKWaveList::Item(int position) {
    if (position < 0 || position >= Count())
        ThrowIndexError("TCKWaveList", position, Count());
    return *items_[static_cast<std::size_t>(position)];
}

void TCKWaveList::ReadRecords(const std::vector<std::span<const std::uint8_t>>& records) {
    for (const auto& bytes : records) {
        const MediaRecord record = ReadMediaRecord(bytes);
        auto item = std::make_unique<TCKWaveListItem>();
        item->Description = QString::fromLatin1(record.Description.data(),
                                                static_cast<qsizetype>(record.Description.size()));
        item->Ident = record.Ident;
        item->Compressed = record.Compressed;
        item->Wave.LoadFromBytes(record.Content);
        items_.push_back(std::move(item));
    }
}

} // namespace zt
