// The pictures for level authors and reviewers: one level drawn with the game's
// tile sheet, a contact sheet of several levels, and the difficulty curve.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>

#include "commands.h"
#include "difficulty.h"
#include "game.h"
#include "generator.h"

namespace zt::levels {

namespace {

constexpr int SheetWidth = 960;
constexpr int SheetHeight = 480;
constexpr int CellSize = 48; // a tile's side in the sheet, and a cell's in the picture

// Takes "--tiles PATH" out of the arguments; the default is the sheet in the
// source tree's assets.
QString TakeSheetPath(Args& args) {
    QString path = QStringLiteral(ZTRN_SOURCE_DIR "/assets/tilesheet.bmp");
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--tiles") {
            path = QString::fromStdString(args[i + 1]);
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
            break;
        }
    }
    return path;
}

bool LoadSheet(const QString& path, QImage& sheet, std::ostream& err) {
    sheet = QImage(path);
    if (sheet.isNull() || sheet.width() < SheetWidth || sheet.height() < SheetHeight) {
        err << "ztrn-levels: cannot use the tile sheet " << path.toStdString()
            << " (a 960 x 480 picture is needed; --tiles PATH names another)\n";
        return false;
    }
    sheet = sheet.convertToFormat(QImage::Format_RGB32);
    return true;
}

// The board as the player sees it when solved. A cell holding no tile at all
// shows grass with a red cross, so a damaged record stands out.
QImage DrawLevel(const LevelRecord& record, const QImage& sheet) {
    QImage img(Columns * CellSize, Rows * CellSize, QImage::Format_RGB32);
    QPainter p(&img);
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            const int t = record[CellIndex(c, r)];
            const QRect cell(c * CellSize, r * CellSize, CellSize, CellSize);
            const int shown = t < TileCount ? t : 0;
            p.drawImage(
                cell.topLeft(), sheet,
                QRect(CellSize * (shown % 20), CellSize * (shown / 20), CellSize, CellSize));
            if (t >= TileCount) {
                p.save();
                p.setClipRect(cell); // a thick line's ends would spill into the neighbours
                p.setPen(QPen(Qt::red, 3));
                p.drawLine(cell.topLeft(), cell.bottomRight());
                p.drawLine(cell.topRight(), cell.bottomLeft());
                p.restore();
            }
        }
    }
    return img;
}

bool Save(const QImage& img, const std::string& path, std::ostream& err) {
    if (!img.save(QString::fromStdString(path), "PNG")) {
        err << "ztrn-levels: cannot write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

int RunRender(const Args& given, std::ostream& out, std::ostream& err) {
    Args args = given;
    const QString sheetPath = TakeSheetPath(args);
    unsigned long long n = 0;
    if (args.size() != 3 || !ParseUnsigned(args[1], MaxLevels, n)) {
        err << "usage: ztrn-levels render FILE N OUT.png [--tiles SHEET]\n";
        return 2;
    }
    LevelFile file;
    QImage sheet;
    if (!ReadLevels(args[0], file, err) || !LoadSheet(sheetPath, sheet, err))
        return 1;
    if (n < 1 || n > file.records.size()) {
        err << "ztrn-levels: " << args[0] << " holds " << file.records.size()
            << " levels; there is no level " << n << "\n";
        return 1;
    }
    if (!Save(DrawLevel(file.records[n - 1], sheet), args[2], err))
        return 1;
    out << "level " << n << " drawn to " << args[2] << "\n";
    return 0;
}

int RunSheet(const Args& given, std::ostream& out, std::ostream& err) {
    Args args = given;
    const QString sheetPath = TakeSheetPath(args);
    if (args.size() < 3) {
        err << "usage: ztrn-levels sheet FILE OUT.png N... [--tiles SHEET]\n";
        return 2;
    }
    LevelFile file;
    QImage sheet;
    if (!ReadLevels(args[0], file, err) || !LoadSheet(sheetPath, sheet, err))
        return 1;
    std::vector<int> numbers;
    for (std::size_t i = 2; i < args.size(); ++i) {
        unsigned long long n = 0;
        if (!ParseUnsigned(args[i], MaxLevels, n) || n < 1 || n > file.records.size()) {
            err << "ztrn-levels: no level " << args[i] << " in " << args[0] << "\n";
            return 1;
        }
        numbers.push_back(static_cast<int>(n));
    }
    // Four levels a row at half size, each with its number and figure beneath.
    constexpr int perRow = 4, gap = 12, label = 22;
    const int w = Columns * CellSize / 2, h = Rows * CellSize / 2;
    const int rows = (static_cast<int>(numbers.size()) + perRow - 1) / perRow;
    QImage img(gap + perRow * (w + gap), gap + rows * (h + label + gap), QImage::Format_RGB32);
    img.fill(QColor(40, 44, 48));
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(QColor(230, 230, 230));
    p.setFont(QFont("DejaVu Sans", 10));
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const int x = gap + static_cast<int>(i % perRow) * (w + gap);
        const int y = gap + static_cast<int>(i / perRow) * (h + label + gap);
        const LevelRecord& record = file.records[numbers[i] - 1];
        p.drawImage(QRect(x, y, w, h), DrawLevel(record, sheet));
        const auto stats = Measure(record);
        p.drawText(QRect(x, y + h, w, label), Qt::AlignCenter,
                   QString("level %1   figure %2").arg(numbers[i]).arg(stats.figure));
    }
    p.end();
    if (!Save(img, args[1], err))
        return 1;
    out << numbers.size() << " levels drawn to " << args[1] << "\n";
    return 0;
}

int RunCurve(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: ztrn-levels curve FILE OUT.png\n";
        return 2;
    }
    LevelFile file;
    if (!ReadLevels(args[0], file, err))
        return 1;
    const int n = static_cast<int>(file.records.size());
    std::vector<int> figures;
    for (const auto& r : file.records)
        figures.push_back(Measure(r).figure);
    const int highest = figures.empty() ? 0 : *std::max_element(figures.begin(), figures.end());
    const int top = std::max(10, (highest + 9) / 10 * 10);

    constexpr int W = 1000, H = 520, left = 70, right = 24, topMargin = 50, bottom = 60;
    const int pw = W - left - right, ph = H - topMargin - bottom;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    auto xAt = [&](double level) { return left + (n > 1 ? (level - 1) * pw / (n - 1) : pw / 2.0); };
    auto yAt = [&](double fig) { return topMargin + ph - fig * ph / top; };

    // The stages as bands behind the curve, so the new ideas show where they start.
    QFont small("DejaVu Sans", 8);
    small.setHintingPreference(QFont::PreferNoHinting); // hinted glyphs lose strokes when turned
    std::vector<std::pair<double, const char*>> labels;
    for (int i = 0, start = 0; i <= n; ++i) {
        const bool edge = i == n || (i > 0 && PlanFor(i, n).stage != PlanFor(i - 1, n).stage);
        if (!edge || n == 0)
            continue;
        const Stage s = PlanFor(start, n).stage;
        const QRectF band(xAt(start + 1), topMargin, xAt(i) - xAt(start + 1), ph);
        p.fillRect(band, static_cast<int>(s) % 2 ? QColor(238, 243, 250) : QColor(250, 250, 250));
        labels.push_back({band.left(), StageName(s)});
        start = i;
    }

    // Axes with ticks and grid lines.
    p.setFont(QFont("DejaVu Sans", 9));
    for (int f = 0; f <= top; f += 10) {
        p.setPen(QColor(225, 225, 225));
        p.drawLine(QPointF(left, yAt(f)), QPointF(left + pw, yAt(f)));
        p.setPen(Qt::black);
        p.drawLine(QPointF(left - 5, yAt(f)), QPointF(left, yAt(f)));
        p.drawText(QRectF(0, yAt(f) - 8, left - 8, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(f));
    }
    const int step = n > 200 ? 50 : n > 50 ? 10 : n > 10 ? 5 : 1;
    for (int level = 1; level <= n; ++level) {
        if (level != 1 && level % step)
            continue;
        p.drawLine(QPointF(xAt(level), topMargin + ph), QPointF(xAt(level), topMargin + ph + 5));
        p.drawText(QRectF(xAt(level) - 30, topMargin + ph + 6, 60, 16), Qt::AlignCenter,
                   QString::number(level));
    }
    // The stage names over the grid lines, which would cut through their letters.
    p.setFont(small);
    p.setPen(QColor(90, 100, 120));
    for (const auto& [x, name] : labels) {
        p.save();
        p.translate(x + 4, topMargin + 4);
        p.rotate(90);
        p.drawText(QPointF(0, -2), name);
        p.restore();
    }
    p.setPen(Qt::black);
    p.drawLine(left, topMargin, left, topMargin + ph);
    p.drawLine(left, topMargin + ph, left + pw, topMargin + ph);

    QPolygonF line;
    for (int i = 0; i < n; ++i)
        line << QPointF(xAt(i + 1), yAt(figures[i]));
    p.setPen(QPen(QColor(200, 60, 40), 1.6));
    p.drawPolyline(line);

    p.setPen(Qt::black);
    p.setFont(QFont("DejaVu Sans", 12, QFont::Bold));
    p.drawText(QRectF(0, 8, W, 24), Qt::AlignCenter,
               QString("Difficulty figure of the %1 levels").arg(n));
    p.setFont(QFont("DejaVu Sans", 10));
    p.drawText(QRectF(left, H - 30, pw, 20), Qt::AlignCenter, "level");
    p.save();
    p.translate(16, topMargin + ph / 2.0);
    p.rotate(-90);
    p.drawText(QRectF(-150, -10, 300, 20), Qt::AlignCenter, "figure = roads + 2 x kinds");
    p.restore();
    p.end();
    if (!Save(img, args[1], err))
        return 1;
    out << "curve of " << n << " levels drawn to " << args[1] << "\n";
    return 0;
}

} // namespace zt::levels
