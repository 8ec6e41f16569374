// Media records and the BMP files inside them.
#include "blockcodec.h"
#include "bmp.h"
#include "mediarecord.h"
#include "test_codec_common.h"

#include <QTest>

using namespace zt;

namespace {

BmpImage FourColours(int w, int h) {
    const std::uint32_t colours[] = {0xFF000000u, 0xFF404000u, 0xFFFFFF00u, 0xFFFF0000u};
    BmpImage im(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            im.At(x, y) = colours[(x * 3 + y) % 4];
    return im;
}

BmpImage BlackAndWhite(int w, int h) {
    BmpImage im(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            im.At(x, y) = (x + 2 * y) % 3 ? 0xFFFFFFFFu : 0xFF000000u;
    return im;
}

std::uint32_t Le32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

// Turns a bottom-up BMP into the same picture stored top-down.
Bytes TopDown(const Bytes& bmp) {
    const BmpInfo info = ReadBmpInfo(bmp);
    const std::size_t offset = Le32(bmp, 10);
    const std::size_t stride = (bmp.size() - offset) / info.height;
    Bytes out(bmp.begin(), bmp.begin() + offset);
    const std::uint32_t h = static_cast<std::uint32_t>(-info.height);
    for (int k = 0; k < 4; ++k)
        out[22 + k] = static_cast<std::uint8_t>(h >> (8 * k));
    for (int row = info.height - 1; row >= 0; --row)
        out.insert(out.end(), bmp.begin() + offset + row * stride,
                   bmp.begin() + offset + (row + 1) * stride);
    return out;
}

// The same picture behind the old 12-byte header, with three-byte palette
// entries.
Bytes OldHeader(const Bytes& bmp) {
    const BmpInfo info = ReadBmpInfo(bmp);
    const std::size_t offset = Le32(bmp, 10);
    Bytes out{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0};
    for (int v : {info.width, info.height, 1, info.bitsPerPixel})
        out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
    for (std::size_t p = 14 + 40; p < offset; p += 4)
        out.insert(out.end(), bmp.begin() + p, bmp.begin() + p + 3);
    out[10] = std::uint8_t(out.size());
    out[11] = std::uint8_t(out.size() >> 8);
    out.insert(out.end(), bmp.begin() + offset, bmp.end());
    return out;
}

} // namespace

class RecordTest : public QObject {
    Q_OBJECT

private slots:
    void optionalFields_data() {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<int>("ident");
        QTest::addColumn<bool>("compressed");
        QTest::addColumn<bool>("content");
        QTest::addColumn<int>("flags");
        QTest::newRow("nothing") << QByteArray() << 0 << false << false << 0x00;
        QTest::newRow("compressed, nothing else") << QByteArray() << 0 << true << false << 0x01;
        QTest::newRow("description") << QByteArray("Stra\xdf"
                                                   "e")
                                     << 0 << false << false << 0x02;
        QTest::newRow("ident") << QByteArray() << 65535 << false << false << 0x04;
        QTest::newRow("counted content") << QByteArray() << 0 << false << true << 0x08;
        QTest::newRow("packed content") << QByteArray() << 0 << true << true << 0x09;
        QTest::newRow("one character") << QByteArray("x") << 0 << false << false << 0x02;
        QTest::newRow("everything") << QByteArray(255, 'x') << 6 << true << true << 0x0F;
    }
    void optionalFields() {
        QFETCH(QByteArray, description);
        QFETCH(int, ident);
        QFETCH(bool, compressed);
        QFETCH(bool, content);
        QFETCH(int, flags);
        MediaRecord r;
        r.Description = description.toStdString();
        r.Ident = static_cast<std::uint16_t>(ident);
        r.Compressed = compressed;
        if (content)
            r.Content = TextLike(70000, 1);
        const Bytes bytes = WriteMediaRecord(r);
        QCOMPARE(int(bytes[0]), flags);
        const MediaRecord back = ReadMediaRecord(bytes);
        QCOMPARE(back.Description, r.Description);
        QCOMPARE(back.Ident, r.Ident);
        QCOMPARE(back.Compressed, r.Compressed);
        QCOMPARE(back.Content, r.Content);
        QCOMPARE(back.PixelFormat, spfDefault);
        // The length byte holds no more.
        r.Description.assign(256, 'x');
        QVERIFY_THROWS_EXCEPTION(RecordError, WriteMediaRecord(r));
    }

    void moveClickRecordLayout() {
        MediaRecord r;
        r.Ident = 1;
        r.Compressed = true;
        r.Content = Noise(706, 21);
        const Bytes bytes = WriteMediaRecord(r);
        QCOMPARE(bytes.size(), std::size_t{720});
        QCOMPARE(Bytes(bytes.begin(), bytes.begin() + 14),
                 (Bytes{0x0D, 0x01, 0, 0, 0, 0xC7, 0x02, 0, 0, 0xC3, 0x02, 0, 0, 0x80}));
    }

    void readerRules() {
        // The upper half of the ident is not ours; pixel bits by priority.
        Bytes r = {0x04 | 0x70, 0x01, 0x00, 0xFF, 0xFF};
        MediaRecord m = ReadMediaRecord(r);
        QCOMPARE(m.Ident, std::uint16_t{1});
        QCOMPARE(m.PixelFormat, spfMono);
        QCOMPARE(ReadMediaRecord(Bytes{0x60}).PixelFormat, spf4bit);
        QCOMPARE(ReadMediaRecord(Bytes{0x40}).PixelFormat, spf8bit);
        // No content bit: nothing is read, even with the packed bit.
        QVERIFY(ReadMediaRecord(Bytes{0x01}).Content.empty());
        std::size_t used = 0;
        QVERIFY(ReadMediaRecord(Bytes{0x01, 0xAA}, &used).Content.empty());
        QCOMPARE(used, std::size_t{1});
    }

    void damagedRecords_data() {
        QTest::addColumn<Bytes>("record");
        QTest::addColumn<QString>("why");
        QTest::newRow("empty") << Bytes{} << "empty";
        QTest::newRow("no description length") << Bytes{0x02} << "description";
        QTest::newRow("description cut") << Bytes{0x02, 5, 'a', 'b'} << "description";
        QTest::newRow("ident cut") << Bytes{0x04, 1, 0} << "ident";
        QTest::newRow("count cut") << Bytes{0x08, 3, 0} << "count";
        QTest::newRow("negative count") << Bytes{0x08, 0xFF, 0xFF, 0xFF, 0xFF} << "negative";
        QTest::newRow("content cut") << Bytes{0x08, 3, 0, 0, 0, 'a'} << "within the content";
        QTest::newRow("damaged stream")
            << Bytes{0x09, 6, 0, 0, 0, 2, 0, 0, 0, 0x40, 0x00} << "control word";
        QTest::newRow("bytes after") << Bytes{0x08, 1, 0, 0, 0, 'a', 'b'} << "unexpected";
    }
    void damagedRecords() {
        QFETCH(Bytes, record);
        QFETCH(QString, why);
        try {
            ReadMediaRecord(record);
            QFAIL("a damaged record was accepted");
        } catch (const RecordError& e) {
            QVERIFY2(QString(e.what()).contains(why), e.what());
        }
    }

    void everyTruncatedRecordIsRefused() {
        MediaRecord r;
        r.Description = "Backdrop";
        r.Ident = 2;
        r.Compressed = true;
        r.Content = PictureLike(64, 40, 2);
        const Bytes full = WriteMediaRecord(r);
        for (std::size_t n = 0; n < full.size(); ++n)
            QVERIFY_THROWS_EXCEPTION(RecordError, ReadMediaRecord(std::span(full).first(n)));
    }

    void pixelFormatsRewriteTheBitmap_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("flag");
        QTest::newRow("8 bit") << int(spf8bit) << 8 << 0x40;
        QTest::newRow("4 bit") << int(spf4bit) << 4 << 0x20;
    }
    void pixelFormatsRewriteTheBitmap() {
        QFETCH(int, format);
        QFETCH(int, bits);
        QFETCH(int, flag);
        const BmpImage picture = FourColours(13, 5); // 13 wide: rows need padding
        MediaRecord r;
        r.Compressed = true;
        r.PixelFormat = static_cast<TCKSavePixelFormat>(format);
        r.Content = EncodeBmp(picture, 24);
        const Bytes bytes = WriteMediaRecord(r);
        QCOMPARE(int(bytes[0]), 0x09 | flag);
        const MediaRecord back = ReadMediaRecord(bytes);
        QCOMPARE(int(back.PixelFormat), format);
        const BmpInfo info = ReadBmpInfo(back.Content);
        QCOMPARE(info.bitsPerPixel, bits);
        QCOMPARE(info.palette.size(), std::size_t{1} << bits);
        const std::size_t stride = (13 * bits + 31) / 32 * 4;
        QCOMPARE(back.Content.size(), 14 + 40 + (std::size_t{4} << bits) + 5 * stride);
        QCOMPARE(DecodeBmp(back.Content).pixels, picture.pixels);
    }

    void monochromeStaysOneBit() {
        const Bytes mono = EncodeBmp(BlackAndWhite(9, 4), 1);
        QCOMPARE(ConvertBitmapContent(mono, spf8bit), mono);
    }

    void bmpDepthsAndRowOrder_data() {
        QTest::addColumn<int>("bits");
        QTest::newRow("1") << 1;
        QTest::newRow("4") << 4;
        QTest::newRow("8") << 8;
        QTest::newRow("24") << 24;
    }
    void bmpDepthsAndRowOrder() {
        QFETCH(int, bits);
        const BmpImage picture = bits == 1 ? BlackAndWhite(17, 6) : FourColours(17, 6);
        const Bytes bottomUp = EncodeBmp(picture, bits);
        QCOMPARE(DecodeBmp(bottomUp).pixels, picture.pixels);
        const Bytes topDown = TopDown(bottomUp);
        QVERIFY(ReadBmpInfo(topDown).topDown);
        QCOMPARE(DecodeBmp(topDown).pixels, picture.pixels);
        QCOMPARE(DecodeBmp(topDown).height, 6);
        const Bytes old = OldHeader(bottomUp);
        QCOMPARE(ReadBmpInfo(old).bitsPerPixel, bits);
        QCOMPARE(DecodeBmp(old).pixels, picture.pixels);

        // Three bytes a pixel, blue first, into padded rows that keep their padding.
        const std::size_t rowBytes = 17 * 3 + 5;
        for (const Bytes& file : {bottomUp, topDown}) {
            Bytes rows(rowBytes * 6, 0xEE);
            if (bits != 24) {
                QVERIFY_THROWS_EXCEPTION(BmpError, DecodeBmp24Into(file, rows.data(), rowBytes));
                continue;
            }
            DecodeBmp24Into(file, rows.data(), rowBytes);
            for (int y = 0; y < 6; ++y) {
                for (int x = 0; x < 17; ++x) {
                    const std::uint8_t* px = rows.data() + y * rowBytes + x * 3;
                    const std::uint32_t c = 0xFF000000u | px[2] << 16 | px[1] << 8 | px[0];
                    QCOMPARE(c, picture.At(x, y));
                }
                QCOMPARE(rows[y * rowBytes + rowBytes - 1], std::uint8_t{0xEE});
            }
        }
    }

    void damagedBmp_data() {
        QTest::addColumn<Bytes>("file");
        QTest::addColumn<QString>("why");
        const Bytes good = EncodeBmp(FourColours(10, 4), 8);
        Bytes b = good;
        b[0] = 'X';
        QTest::newRow("no BM") << b << "BM";
        b = good;
        b[30] = 1;
        QTest::newRow("run-length coded") << b << "compressed";
        b = good;
        b[28] = 16;
        QTest::newRow("16 bits") << b << "not supported";
        b = good;
        b[14] = 20;
        QTest::newRow("header size") << b << "header size";
        b = good;
        b[46] = 2; // two palette entries, but pixels use four colours
        QTest::newRow("index beyond palette") << b << "beyond the palette";
        b = good;
        b[46] = 0x01;
        b[47] = 0x01;
        QTest::newRow("palette too long") << b << "more entries";
        b = good;
        b[18] = 0;
        b[19] = 0;
        b[20] = 1; // 65536 wide
        QTest::newRow("too wide") << b << "size";
        b = good;
        b[10] = 0xF0;
        QTest::newRow("pixels past the end") << b << "pixel rows";
        b = good;
        b[10] = 60;
        b[11] = 0;
        QTest::newRow("pixels inside the palette") << b << "inside the palette";
    }
    void damagedBmp() {
        QFETCH(Bytes, file);
        QFETCH(QString, why);
        try {
            DecodeBmp(file);
            QFAIL("a damaged BMP was accepted");
        } catch (const BmpError& e) {
            QVERIFY2(QString(e.what()).contains(why), e.what());
        }
    }

    void everyTruncatedBmpIsRefused() {
        const Bytes full = EncodeBmp(FourColours(7, 3), 4);
        for (std::size_t n = 0; n < full.size(); ++n)
            QVERIFY_THROWS_EXCEPTION(BmpError, DecodeBmp(std::span(full).first(n)));
        const Bytes deep = EncodeBmp(FourColours(7, 3), 24);
        Bytes rows(7 * 3 * 3);
        for (std::size_t n = 0; n < deep.size(); ++n)
            QVERIFY_THROWS_EXCEPTION(BmpError,
                                     DecodeBmp24Into(std::span(deep).first(n), rows.data(), 7 * 3));
    }
};

int RunRecordTests(int argc, char** argv) {
    RecordTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_codec_records.moc"
