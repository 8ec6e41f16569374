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

// The parts that differ between the lists: the name in the index error and
// what becomes of the content.
void TakeContent(const MediaRecord& record, TCKBitmapListItem& item) {
    item.PixelFormat = record.PixelFormat;
    if (!record.Content.empty())
        item.Bitmap = ReadPicture(record.Content);
}

void TakeContent(const MediaRecord& record, TCKWaveListItem& item) {
    item.Wave.LoadFromBytes(record.Content);
}

constexpr const char* ListName(const TCKBitmapListItem*) { return "TCKBitmapList"; }
constexpr const char* ListName(const TCKWaveListItem*) { return "TCKWaveList"; }

} // namespace

template <typename ItemType>
ItemType& MediaList<ItemType>::Item(int position) {
    if (position < 0 || position >= Count())
        ThrowIndexError(ListName(static_cast<ItemType*>(nullptr)), position, Count());
    return *items_[static_cast<std::size_t>(position)];
}

template <typename ItemType>
void MediaList<ItemType>::ReadRecords(const std::vector<std::span<const std::uint8_t>>& records) {
    for (const auto& bytes : records) {
        const MediaRecord record = ReadMediaRecord(bytes);
        auto item = std::make_unique<ItemType>();
        item->Description = QString::fromLatin1(record.Description.data(),
                                                static_cast<qsizetype>(record.Description.size()));
        item->Ident = record.Ident;
        item->Compressed = record.Compressed;
        TakeContent(record, *item);
        items_.push_back(std::move(item));
    }
}

template class MediaList<TCKBitmapListItem>;
template class MediaList<TCKWaveListItem>;

} // namespace zt
