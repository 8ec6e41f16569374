#include "mediarecord.h"

#include "blockcodec.h"
#include "bmp.h"
#include "byteorder.h"

namespace zt {

std::uint8_t ComputeItemFlags(const MediaRecord& record) {
    std::uint8_t flags = record.Compressed ? ItemPacked : 0;
    if (!record.Description.empty())
        flags |= ItemDescription;
    if (record.Ident != 0)
        flags |= ItemIdent;
    if (!record.Content.empty())
        flags |= ItemContent;
    switch (record.PixelFormat) {
    case spfMono:
        flags |= ItemMono;
        break;
    case spf4bit:
        flags |= Item4bit;
        break;
    case spf8bit:
        flags |= Item8bit;
        break;
    default:
        break;
    }
    return flags;
}

MediaRecord ReadMediaRecord(std::span<const std::uint8_t> in, std::size_t* used) {
    MediaRecord record;
    if (in.empty())
        throw RecordError("media record: the input is empty");
    const std::uint8_t flags = in[0];
    std::size_t at = 1;
    record.Compressed = (flags & ItemPacked) != 0;
    if (flags & ItemDescription) {
        if (at >= in.size())
            throw RecordError("media record: the input ends before the description's length");
        const std::size_t n = in[at++];
        if (in.size() - at < n)
            throw RecordError("media record: the input ends within the description");
        record.Description.assign(reinterpret_cast<const char*>(in.data() + at), n);
        at += n;
    }
    if (flags & ItemIdent) {
        if (in.size() - at < 4)
            throw RecordError("media record: the input ends within the ident");
        record.Ident = static_cast<std::uint16_t>(LoadLe32(in.data() + at));
        at += 4;
    }
    if (flags & ItemMono)
        record.PixelFormat = spfMono;
    else if (flags & Item4bit)
        record.PixelFormat = spf4bit;
    else if (flags & Item8bit)
        record.PixelFormat = spf8bit;
    if (flags & ItemContent) {
        if (record.Compressed) {
            try {
                at += UnpackStream(in.subspan(at), record.Content);
            } catch (const CodecError& e) {
                throw RecordError(std::string("media record: ") + e.what());
            }
        } else {
            if (in.size() - at < 4)
                throw RecordError("media record: the input ends within the content's count");
            const auto m = static_cast<std::int32_t>(LoadLe32(in.data() + at));
            at += 4;
            if (m < 0)
                throw RecordError("media record: the content's count is negative");
            if (in.size() - at < static_cast<std::size_t>(m))
                throw RecordError("media record: the input ends within the content");
            record.Content.assign(in.begin() + at, in.begin() + at + m);
            at += m;
        }
    }
    if (used)
        *used = at;
    else if (at != in.size())
        throw RecordError("media record: " + std::to_string(in.size() - at) +
                          " unexpected bytes after the record");
    return record;
}

std::vector<std::uint8_t> ConvertBitmapContent(std::span<const std::uint8_t> bmp,
                                               TCKSavePixelFormat format) {
    if (format == spfDefault)
        return {bmp.begin(), bmp.end()};
    // A monochrome picture keeps its single bit whatever is asked for.
    if (ReadBmpInfo(bmp).bitsPerPixel == 1)
        return {bmp.begin(), bmp.end()};
    const int bits = format == spfMono ? 1 : format == spf4bit ? 4 : 8;
    return EncodeBmp(DecodeBmp(bmp), bits);
}

std::vector<std::uint8_t> WriteMediaRecord(const MediaRecord& record) {
    if (record.Description.size() > 255)
        throw RecordError("media record: a description holds at most 255 characters");
    if (record.PixelFormat < spfDefault || record.PixelFormat > spf8bit)
        throw RecordError("media record: unknown pixel format");
    std::vector<std::uint8_t> converted;
    std::span<const std::uint8_t> content = record.Content;
    if (record.PixelFormat != spfDefault && !content.empty()) {
        converted = ConvertBitmapContent(content, record.PixelFormat);
        content = converted;
    }
    if (content.size() > 0x7FFFFFF0u)
        throw RecordError("media record: the content is too large");
    std::vector<std::uint8_t> out;
    out.reserve(16 + record.Description.size() + content.size() + content.size() / 6000);
    out.push_back(ComputeItemFlags(record));
    if (!record.Description.empty()) {
        out.push_back(static_cast<std::uint8_t>(record.Description.size()));
        out.insert(out.end(), record.Description.begin(), record.Description.end());
    }
    if (record.Ident != 0)
        AppendLe32(out, record.Ident);
    if (!content.empty()) {
        if (record.Compressed) {
            PackStream(content, out);
        } else {
            AppendLe32(out, static_cast<std::uint32_t>(content.size()));
            out.insert(out.end(), content.begin(), content.end());
        }
    }
    return out;
}

} // namespace zt
