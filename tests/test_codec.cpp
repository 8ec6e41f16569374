// The block codec: the exact bytes the encoder writes, round trips, and
// damaged blocks and streams.
#include "blockcodec.h"
#include "bmp.h"
#include "test_codec_common.h"

#include <QCryptographicHash>
#include <QTest>
#include <random>

using namespace zt;

namespace {

Bytes Stream(const Bytes& content) {
    Bytes out;
    PackStream(content, out);
    return out;
}

std::int32_t Le32At(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                     std::uint32_t(b[at + 3]) << 24);
}

// A packed stream around hand-made blocks.
Bytes StreamOf(const std::vector<Bytes>& blocks, int totalAdjust = 0) {
    Bytes out(4);
    for (const Bytes& b : blocks) {
        AppendLe32(out, static_cast<std::uint32_t>(b.size()));
        out.insert(out.end(), b.begin(), b.end());
    }
    const auto total = static_cast<std::uint32_t>(out.size() - 4 + totalAdjust);
    for (int k = 0; k < 4; ++k)
        out[k] = static_cast<std::uint8_t>(total >> (8 * k));
    return out;
}

} // namespace

class BlockCodecTest : public QObject {
    Q_OBJECT

private slots:
    void workedExample() {
        // The start of a 960 x 480 24-bit BMP header.
        const Bytes block = {0x40, 0x02, 0xA0, 0x42, 0x4D, 0x36, 0x18, 0x15, 0x00, 0x00, 0x11,
                             0x36, 0x00, 0x50, 0x28, 0x00, 0x40, 0xC0, 0x03, 0x00, 0x00, 0xE0};
        const Bytes header = {0x42, 0x4D, 0x36, 0x18, 0x15, 0x00, 0x00, 0x00,
                              0x00, 0x00, 0x36, 0x00, 0x00, 0x00, 0x28, 0x00,
                              0x00, 0x00, 0xC0, 0x03, 0x00, 0x00, 0xE0};
        QCOMPARE(UnpackBlock(block), header);

        const Bytes sheet = EncodeBmp(BmpImage(960, 480, 0xFF2E8B57u), 24);
        QCOMPARE(sheet.size(), std::size_t{1382454});
        const Bytes first = PackBlock(std::span(sheet).first(PackChunk));
        QCOMPARE(Bytes(first.begin(), first.begin() + 22), block);
    }

    void shortPiecesAreStored() {
        QCOMPARE(PackBlock(Bytes{0x41}), (Bytes{0x80, 0x41}));
        QCOMPARE(PackBlock(Bytes{0x00, 0x00}), (Bytes{0x80, 0x00, 0x00}));
        QCOMPARE(PackBlock(Bytes{7, 7, 7}), (Bytes{0x80, 7, 7, 7}));
        QCOMPARE(UnpackBlock(Bytes{0x80, 0x41}), Bytes{0x41});
        // Only 0x80 means stored: every other method byte is a compressed block.
        for (std::uint8_t method : {0x00, 0x40, 0x81, 0xC0, 0xFF})
            QCOMPARE(UnpackBlock(Bytes{method, 0x00, 0x00, 0x41, 0x42}), (Bytes{0x41, 0x42}));
    }

    // The encoder's exact bytes where its limits meet: a block exactly as
    // long as its piece stays compressed, one byte longer is stored; the
    // longest copy; the farthest copy and one a byte too far.
    void limitsOfTheEncoder_data() {
        QTest::addColumn<Bytes>("piece");
        QTest::addColumn<Bytes>("block");
        QTest::newRow("as long as the piece") << Bytes(6, 'b') << Bytes{0x40, 0x40, 0x00, 0x62, 0x00, 0x12};
        QTest::newRow("one byte longer") << Bytes(5, 'b') << Bytes{0x80, 'b', 'b', 'b', 'b', 'b'};
        const std::string eighteen = "0123456789abcdefgh";
        const std::string three = eighteen + eighteen + eighteen;
        Bytes copies = {0x40, 0x00, 0x00};
        copies.insert(copies.end(), eighteen.begin(), eighteen.begin() + 16);
        copies.insert(copies.end(), {0x30, 0x00, 'g', 'h', 0x01, 0x2F, 0x01, 0x2F});
        QTest::newRow("copies of 18") << Bytes(three.begin(), three.end()) << copies;
        // 18 bytes, a run of zeros, and the 18 bytes again 4095 or 4096 bytes
        // after their first place.
        const Bytes head = {0xC9, 0xCF, 0x38, 0x04, 0x30, 0x70, 0x78, 0xA3, 0xBC,
                            0x62, 0xFF, 0xF1, 0xCA, 0x48, 0x6E, 0xBF, 0xAC, 0x3D};
        auto farApart = [&](std::size_t gap) {
            Bytes piece = head;
            piece.insert(piece.end(), gap, 0x00);
            piece.insert(piece.end(), head.begin(), head.end());
            return piece;
        };
        Bytes farCopy = {0x40, 0x00, 0x00};
        farCopy.insert(farCopy.end(), head.begin(), head.begin() + 16);
        farCopy.insert(farCopy.end(), {0x30, 0x00, 0xAC, 0x3D, 0x00, 0x0F, 0xDD, 0x00, 0xFF, 0xFF});
        QTest::newRow("copy from 4095 back") << farApart(4077) << farCopy;
        Bytes tooFar = {0x40, 0x00, 0x00};
        tooFar.insert(tooFar.end(), head.begin(), head.begin() + 16);
        tooFar.insert(tooFar.end(), {0x20, 0x00, 0xAC, 0x3D, 0x00, 0x0F, 0xDE, 0x00});
        tooFar.insert(tooFar.end(), head.begin(), head.begin() + 13);
        tooFar.insert(tooFar.end(), {0x00, 0x00});
        tooFar.insert(tooFar.end(), head.begin() + 13, head.end());
        QTest::newRow("no copy from 4096 back") << farApart(4078) << tooFar;
    }
    void limitsOfTheEncoder() {
        QFETCH(Bytes, piece);
        QFETCH(Bytes, block);
        QCOMPARE(PackBlock(piece), block);
        QCOMPARE(UnpackBlock(block), piece);
    }

    // Whole streams of realistic content, pinned by their digests: the hash,
    // its table and the choice between run, copy and literal all show in
    // these bytes, while a round trip would pass with any of them. The
    // digests come from a second encoder, written apart from this one.
    void streamDigests_data() {
        QTest::addColumn<Bytes>("content");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("sha1");
        QTest::newRow("numbered text, a full piece and more")
            << NumberedText(40000, 7) << 18669
            << QByteArray("7a27678f03ead097fb796038a486cb5544f2df27");
        QTest::newRow("picture, six pieces")
            << PictureLike(300, 200, 3) << 40101
            << QByteArray("5fd4181c244ffd6cf9255f0af488fb5184427755");
        Bytes mixed = Noise(3000, 5);
        const Bytes text = TextLike(30000, 6);
        const Bytes picture = PictureLike(120, 90, 8);
        mixed.insert(mixed.end(), text.begin(), text.end());
        mixed.insert(mixed.end(), 9000, 0x33);
        mixed.insert(mixed.end(), picture.begin(), picture.end());
        QTest::newRow("noise, text, a long run and a picture")
            << mixed << 15783 << QByteArray("ff103513a112dff24d96780dc96b53ba26ddf838");
    }
    void streamDigests() {
        QFETCH(Bytes, content);
        QFETCH(int, size);
        QFETCH(QByteArray, sha1);
        const Bytes stream = Stream(content);
        QCOMPARE(int(stream.size()), size);
        const QByteArray bytes(reinterpret_cast<const char*>(stream.data()), qsizetype(stream.size()));
        QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex(), sha1);
        Bytes back;
        UnpackStream(stream, back);
        QCOMPARE(back, content);
    }

    void incompressiblePieceIsStored() {
        const Bytes noise = Noise(PackChunk, 3);
        const Bytes block = PackBlock(noise);
        QCOMPARE(block.size(), MaxBlockLength);
        QCOMPARE(block[0], MethodStored);
        const Bytes stream = Stream(noise);
        QCOMPARE(Le32At(stream, 4), 32782);
        QCOMPARE(Le32At(stream, 0), 32786);
        Bytes back;
        QCOMPARE(UnpackStream(stream, back), stream.size());
        QCOMPARE(back, noise);
    }

    void runs_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<Bytes>("block");
        const std::uint8_t v = 0xA5;
        // 15 equal bytes: a literal, then a copy of 14 at offset 1.
        QTest::newRow("15") << 15 << Bytes{0x40, 0x40, 0x00, v, 0x00, 0x1B};
        QTest::newRow("16") << 16 << Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x00, v};
        QTest::newRow("4095") << 4095 << Bytes{0x40, 0x80, 0x00, 0x00, 0x0F, 0xEF, v};
        QTest::newRow("5000") << 5000
                              << Bytes{0x40, 0xC0, 0x00, 0x00, 0x0F, 0xEF, v, 0x00, 0x03, 0x79, v};
    }
    void runs() {
        QFETCH(int, count);
        QFETCH(Bytes, block);
        const Bytes piece(count, 0xA5);
        QCOMPARE(PackBlock(piece), block);
        QCOMPARE(UnpackBlock(block), piece);
    }

    void overlappingCopies() {
        // Offsets below the copy's length repeat a short pattern; offset 1
        // length 18 repeats the last byte. Every length, alone in a short
        // block and followed by enough literals to take the whole-word way.
        for (unsigned offset = 1; offset <= 20; ++offset) {
            for (unsigned length = 3; length <= 18; ++length) {
                for (const int tail : {0, 100}) {
                    Bytes block = {0x40};
                    std::size_t ctrlAt = 0;
                    int items = 0;
                    auto item = [&](bool copy, std::initializer_list<std::uint8_t> bytes) {
                        if (items % 16 == 0) {
                            ctrlAt = block.size();
                            block.insert(block.end(), {0x00, 0x00});
                        }
                        if (copy)
                            block[ctrlAt + (items % 16) / 8] |= 0x80 >> (items % 8);
                        block.insert(block.end(), bytes);
                        ++items;
                    };
                    Bytes expected;
                    for (unsigned k = 0; k < offset + tail; ++k) {
                        if (k == offset) {
                            item(true, {std::uint8_t(offset >> 4),
                                        std::uint8_t((offset & 15) << 4 | (length - 3))});
                            for (unsigned n = 0; n < length; ++n)
                                expected.push_back(expected[expected.size() - offset]);
                        }
                        item(false, {std::uint8_t('a' + k)});
                        expected.push_back(std::uint8_t('a' + k));
                    }
                    if (tail == 0) {
                        item(true, {std::uint8_t(offset >> 4),
                                    std::uint8_t((offset & 15) << 4 | (length - 3))});
                        for (unsigned n = 0; n < length; ++n)
                            expected.push_back(expected[expected.size() - offset]);
                    }
                    QCOMPARE(UnpackBlock(block), expected);
                }
            }
        }
    }

    void noCopyFromPosition32768OnWithinAPiece() {
        // Text that packs well, noise, then six equal bytes at the given
        // place; with distinct bytes there instead, the block could only
        // be as long if the equal ones got no copy either.
        auto blockWithTail = [](std::size_t at, bool equal) {
            Bytes piece = TextLike(at - 200, 9);
            const Bytes noise = Noise(PackChunk - piece.size(), 10);
            piece.insert(piece.end(), noise.begin(), noise.end());
            for (std::size_t k = 0; k < 6; ++k)
                piece[at + k] = static_cast<std::uint8_t>(equal ? 0xEE : 0xE0 + k);
            const Bytes block = PackBlock(piece);
            return std::pair(block.size(), UnpackBlock(block) == piece);
        };
        const auto early = blockWithTail(32000, true);
        QVERIFY(early.first < blockWithTail(32000, false).first); // a copy at 32000
        const auto late = blockWithTail(32768, true);
        QCOMPARE(late.first, blockWithTail(32768, false).first); // none at 32768
        QVERIFY(early.second && late.second);
    }

    void streamTotalCountsLengthFields() {
        QCOMPARE(Stream({}), (Bytes{0, 0, 0, 0}));
        const Bytes click = Noise(706, 4);
        const Bytes s = Stream(click);
        QCOMPARE(Le32At(s, 0), 711);
        QCOMPARE(Le32At(s, 4), 707);
        QCOMPARE(s[8], MethodStored);
        QCOMPARE(s.size(), std::size_t{715});
    }

    void roundTrips_data() {
        QTest::addColumn<Bytes>("content");
        QTest::newRow("one byte") << Bytes{0};
        QTest::newRow("zeros, three blocks") << Bytes(3 * PackChunk - 5, 0);
        QTest::newRow("noise at a chunk edge") << Noise(PackChunk + 1, 1);
        QTest::newRow("text, several blocks") << TextLike(150000, 2);
        QTest::newRow("picture") << PictureLike(300, 200, 3);
        QTest::newRow("two exact chunks") << TextLike(2 * PackChunk, 4);
        Bytes mixed = Noise(40000, 5);
        const Bytes text = TextLike(50000, 6);
        mixed.insert(mixed.end(), text.begin(), text.end());
        mixed.insert(mixed.end(), 9000, 0x33);
        QTest::newRow("noise, text and a long run") << mixed;
    }
    void roundTrips() {
        QFETCH(Bytes, content);
        Bytes stream = Stream(content);
        const std::size_t size = stream.size();
        stream.push_back(0x99); // bytes after the stream are not its business
        Bytes back = {1, 2, 3};
        QCOMPARE(UnpackStream(stream, back), size);
        QCOMPARE(Bytes(back.begin() + 3, back.end()), content);
    }

    void damagedBlocks_data() {
        QTest::addColumn<Bytes>("block");
        QTest::addColumn<QString>("why");
        Bytes tooMuch = {0x40, 0xFF, 0x80}; // nine runs of 4095 make 36855 bytes
        for (int k = 0; k < 9; ++k)
            tooMuch.insert(tooMuch.end(), {0x00, 0x0F, 0xEF, 0x11});
        QTest::newRow("writes past 32781") << tooMuch << "past 32781";
        Bytes oneTooMany = {0x40, 0xFF, 0x80}; // eight runs of 4095 and one of 22
        for (int k = 0; k < 8; ++k)
            oneTooMany.insert(oneTooMany.end(), {0x00, 0x0F, 0xEF, 0x11});
        oneTooMany.insert(oneTooMany.end(), {0x00, 0x00, 0x06, 0x11});
        QTest::newRow("one byte past 32781") << oneTooMany << "past 32781";
        QTest::newRow("copy before start")
            << Bytes{0x40, 0x40, 0x00, 0x41, 0x00, 0x2F} << "before the block's start";
        QTest::newRow("copy cut off") << Bytes{0x40, 0x40, 0x00, 0x41, 0x00} << "past the block";
        QTest::newRow("run cut off")
            << Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x10} << "past the block";
        QTest::newRow("first control word cut off") << Bytes{0x40, 0x00} << "control word";
        Bytes lateCtrl = {0x40, 0x00, 0x00};
        lateCtrl.insert(lateCtrl.end(), 16, 0x61);
        lateCtrl.push_back(0x80);
        QTest::newRow("control word cut off") << lateCtrl << "control word";
        lateCtrl.push_back(0x00);
        QTest::newRow("control word with no item") << lateCtrl << "control word";
        // The same faults deep inside long blocks, where whole control words
        // are decoded with fewer checks.
        Bytes deepCopy = {0x40, 0x00, 0x00};
        deepCopy.insert(deepCopy.end(), 16, 0x61);
        deepCopy.insert(deepCopy.end(), {0x80, 0x00, 0x01, 0x10}); // offset 17 at 16
        // Then only literals: nothing after the fault could be taken for it.
        deepCopy.insert(deepCopy.end(), 15, 0x62);
        for (int k = 0; k < 5; ++k) {
            deepCopy.insert(deepCopy.end(), {0x00, 0x00});
            deepCopy.insert(deepCopy.end(), k < 4 ? 16 : 11, 0x62);
        }
        QTest::newRow("copy before start, long block") << deepCopy << "before the block's start";
        Bytes deepRun = {0x40, 0xFE, 0x00}; // seven runs of 4095, nine literals
        for (int k = 0; k < 7; ++k)
            deepRun.insert(deepRun.end(), {0x00, 0x0F, 0xEF, 0x11});
        deepRun.insert(deepRun.end(), 9, 0x61);
        deepRun.insert(deepRun.end(), {0x80, 0x00, 0x00, 0x0F, 0xFF, 0x22}); // 4111 more
        deepRun.insert(deepRun.end(), 100, 0x62);
        QTest::newRow("run past 32781, long block") << deepRun << "past 32781";
        QTest::newRow("too short") << Bytes{0x80} << "outside 2..32782";
        QTest::newRow("too long") << Bytes(MaxBlockLength + 1, 0x80) << "outside 2..32782";
    }
    void damagedBlocks() {
        QFETCH(Bytes, block);
        QFETCH(QString, why);
        try {
            UnpackBlock(block);
            QFAIL("a damaged block was accepted");
        } catch (const CodecError& e) {
            QVERIFY2(QString(e.what()).contains(why), e.what());
        }
    }

    void damagedStreams_data() {
        QTest::addColumn<Bytes>("stream");
        QTest::addColumn<QString>("why");
        const Bytes good = {0x80, 1, 2, 3};
        QTest::newRow("no total") << Bytes{1, 0} << "within the total";
        QTest::newRow("negative total") << Bytes{0xFF, 0xFF, 0xFF, 0xFF} << "negative";
        Bytes cut = StreamOf({good, good});
        cut.pop_back();
        QTest::newRow("total past the input") << cut << "past the end of the input";
        QTest::newRow("total too small") << StreamOf({good, good}, -1) << "past the total";
        Bytes longTotal = StreamOf({good}, 2);
        longTotal.insert(longTotal.end(), {0, 0});
        QTest::newRow("total too large") << longTotal << "within a block's length";
        QTest::newRow("block length 1") << StreamOf({Bytes{0x80}}) << "outside 2..32782";
        Bytes hugeLength = StreamOf({good});
        hugeLength[4] = 0x0F;
        hugeLength[5] = 0x80; // 32783
        QTest::newRow("block length 32783") << hugeLength << "outside 2..32782";
        QTest::newRow("damaged second block")
            << StreamOf({good, Bytes{0x40, 0x40, 0x00, 0x41, 0x00, 0x2F}}) << "block 2";
    }
    void damagedStreams() {
        QFETCH(Bytes, stream);
        QFETCH(QString, why);
        Bytes out = {7, 7};
        try {
            UnpackStream(stream, out);
            QFAIL("a damaged stream was accepted");
        } catch (const CodecError& e) {
            QVERIFY2(QString(e.what()).contains(why), e.what());
        }
        QCOMPARE(out, (Bytes{7, 7})); // nothing half-appended
    }

    void everyTruncationAndFlipIsCaughtOrDecoded() {
        const Bytes content = PictureLike(120, 90, 8);
        const Bytes stream = Stream(content);
        for (std::size_t n = 0; n < stream.size(); n += 1 + n / 64) {
            Bytes out;
            QVERIFY_THROWS_EXCEPTION(CodecError, UnpackStream(std::span(stream).first(n), out));
        }
        std::mt19937 rng(11);
        for (int round = 0; round < 3000; ++round) {
            Bytes damaged = stream;
            for (int k = 0; k < 3; ++k)
                damaged[rng() % damaged.size()] = static_cast<std::uint8_t>(rng());
            Bytes out;
            try {
                UnpackStream(damaged, out);
            } catch (const CodecError&) {
            }
        }
    }
};

int RunBlockCodecTests(int argc, char** argv) {
    BlockCodecTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_codec.moc"
