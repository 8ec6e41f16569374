#include "palette.h"

#include "canvas.h"

#include <algorithm>
#include <map>
#include <vector>

namespace art {
namespace {

struct Entry {
    QRgb colour;
    int weight;
};

int channel(QRgb c, int i) {
    return i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c);
}

// Squared distance with a rough eye weighting, so greens are told apart first.
int distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

QRgb mean(const std::vector<Entry>& box) {
    long long r = 0, g = 0, b = 0, n = 0;
    for (const Entry& e : box) {
        r += qRed(e.colour) * 1LL * e.weight;
        g += qGreen(e.colour) * 1LL * e.weight;
        b += qBlue(e.colour) * 1LL * e.weight;
        n += e.weight;
    }
    return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
}

} // namespace

QList<QRgb> exactColours(const QImage& image) {
    QList<QRgb> out;
    std::map<QRgb, bool> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000u;
            if (!seen[c]) {
                seen[c] = true;
                out.append(c);
            }
        }
    }
    return out;
}

QList<QRgb> medianCut(const QImage& image, int count, const QList<QRgb>& fixed) {
    std::map<QRgb, int> histogram;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++histogram[image.pixel(x, y) | 0xff000000u];
    for (QRgb f : fixed)
        histogram.erase(f | 0xff000000u);

    QList<QRgb> out = fixed;
    const int room = count - int(fixed.size());
    if (int(histogram.size()) <= room) {
        for (const auto& [c, n] : histogram)
            out.append(c);
        return out;
    }
    std::vector<std::vector<Entry>> boxes(1);
    for (const auto& [c, n] : histogram)
        boxes[0].push_back({c, n});
    while (int(boxes.size()) < room) {
        // Split the box whose widest channel range, weighted by its pixels, is largest.
        int pick = -1, pickChannel = 0;
        long long pickScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2)
                continue;
            long long weight = 0;
            for (const Entry& e : boxes[i])
                weight += e.weight;
            for (int ch = 0; ch < 3; ++ch) {
                int lo = 255, hi = 0;
                for (const Entry& e : boxes[i]) {
                    lo = std::min(lo, channel(e.colour, ch));
                    hi = std::max(hi, channel(e.colour, ch));
                }
                const long long score = (hi - lo) * 1LL * (hi - lo) * (1 + weight / 8);
                if (score > pickScore) {
                    pickScore = score;
                    pick = i;
                    pickChannel = ch;
                }
            }
        }
        if (pick < 0)
            break;
        std::vector<Entry>& box = boxes[pick];
        std::stable_sort(box.begin(), box.end(), [pickChannel](const Entry& a, const Entry& b) {
            return channel(a.colour, pickChannel) < channel(b.colour, pickChannel);
        });
        long long total = 0, half = 0;
        for (const Entry& e : box)
            total += e.weight;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.size(); ++i) {
            half += box[i].weight;
            cut = i + 1;
            if (half * 2 >= total)
                break;
        }
        std::vector<Entry> upper(box.begin() + cut, box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    for (const auto& box : boxes)
        out.append(mean(box));
    return out;
}

QImage toIndexed(const QImage& image, const QList<QRgb>& palette, int tableSize, bool keyFirst) {
    QImage out(image.size(), QImage::Format_Indexed8);
    QList<QRgb> table = palette;
    while (table.size() < tableSize)
        table.append(qRgb(0, 0, 0));
    out.setColorTable(table);
    std::map<QRgb, int> memo;
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000u;
            auto it = memo.find(c);
            if (it == memo.end()) {
                int best = 0, bestDistance = -1;
                const bool isKey = keyFirst && c == (palette[0] | 0xff000000u);
                for (int i = isKey ? 0 : (keyFirst ? 1 : 0); i < int(palette.size()); ++i) {
                    const int d = distance(c, palette[i]);
                    if (bestDistance < 0 || d < bestDistance) {
                        best = i;
                        bestDistance = d;
                    }
                }
                it = memo.emplace(c, best).first;
            }
            row[x] = uchar(it->second);
        }
    }
    return out;
}

QImage keyed(const QImage& image, QRgb key) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == kVoid)
                out.setPixel(x, y, key);
    return out;
}

QImage glyphImage(const QImage& drawn, QRgb key, int maxColours) {
    QImage rgb = keyed(drawn, key);
    rgb.setPixel(0, rgb.height() - 1, key);
    // The key is matched exactly: any drawn pixel close to it would turn see-through.
    const QList<QRgb> palette = medianCut(rgb, maxColours, {key});
    return toIndexed(rgb, palette, maxColours, true);
}

} // namespace art
