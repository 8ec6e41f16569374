// The picture and sound lists that the game carries inside the program, and
// the in-memory wave.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

namespace zt {

// A wave image held in memory (a complete RIFF WAVE file) or nothing.
class TCKWave {
public:
    TCKWave() = default;
    ~TCKWave(); // stops the player first when holding an image
    TCKWave(const TCKWave&) = delete;
    TCKWave& operator=(const TCKWave&) = delete;

    bool IsEmpty() const { return image_.empty(); }
    std::size_t Size() const { return image_.size(); }
    const std::uint8_t* Data() const { return image_.data(); }

    // Loads with the header check; throws std::runtime_error with a text when
    // the tags do not match or the content ends within the first 34 bytes.
    void LoadFromBytes(std::span<const std::uint8_t> content);
    void Clear();

    bool Play(); // true when the sound output accepted it
    void Stop();

private:
    std::vector<std::uint8_t> image_;
};

// What every list item holds beside its content.
struct MediaListItemHead {
    QString Description;
    std::uint16_t Ident = 0;
    bool Compressed = false;
};

struct TCKBitmapListItem : MediaListItemHead {
    int PixelFormat = 0; // spfDefault 0, spfMono 1, spf4bit 2, spf8bit 3
    QImage Bitmap;       // decoded once; callers copy rectangles out of it
};

struct TCKWaveListItem : MediaListItemHead {
    TCKWave Wave;
};

// Raised for a position at or beyond the count.
class ListIndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// A list of pictures or of waves, read from media records.
template <typename ItemType>
class MediaList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    ItemType& Item(int position); // throws ListIndexError
    // Reads records one after the other, appending an item for each. A damaged
    // record, picture or wave header throws std::runtime_error with a text;
    // the items read before it stay.
    void ReadRecords(const std::vector<std::span<const std::uint8_t>>& records);

private:
    std::vector<std::unique_ptr<ItemType>> items_;
};

using TCKBitmapList = MediaList<TCKBitmapListItem>;
using TCKWaveList = MediaList<TCKWaveListItem>;

// The five records compiled into the program: tile sheet, backdrop and digit
// strip for the bitmap list; solved sound and move click for the wave list.
std::vector<std::span<const std::uint8_t>> EmbeddedBitmapRecords();
std::vector<std::span<const std::uint8_t>> EmbeddedWaveRecords();
// The tile sheet, backdrop and digit strip drawn with twice the pixels, in the
// same order, for screens of a device pixel ratio above 1. Read only there: on
// an ordinary screen these bytes are never touched.
std::vector<std::span<const std::uint8_t>> EmbeddedBitmapRecords2x();
// The same three with three times the pixels, for ratios above 2.
std::vector<std::span<const std::uint8_t>> EmbeddedBitmapRecords3x();

} // namespace zt
