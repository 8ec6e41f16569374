#include "generator.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <stdexcept>

#include "catalogue.h"
#include "difficulty.h"
#include "filler.h"
#include "palette.h"
#include "rng.h"
#include "scenerymaker.h"
#include "shape.h"
#include "tilekinds.h"

namespace zt::levels {

namespace {

// Where each stage begins, as a share of the library.
constexpr double StageStart[StageCount] = {0.0, 0.05, 0.12, 0.22, 0.34, 0.46, 0.58, 0.72, 0.80};

RoadIdea IdeaFor(Stage s) {
    switch (s) {
    case Stage::Streets:
        return RoadIdea::Streets;
    case Stage::Junctions:
        return RoadIdea::Junctions;
    case Stage::Raised:
        return RoadIdea::Raised;
    default:
        return RoadIdea::SmallRoads;
    }
}

// What every level of a road stage has to show.
bool ShowsIdea(const Board& board, Stage s) {
    auto count = [&](auto pred) { return std::count_if(board.begin(), board.end(), pred); };
    switch (s) {
    case Stage::Junctions:
        return count([](int t) { return IsMovable(t) && ArmCount(t) >= 3; }) >= 1;
    case Stage::Raised:
        return count([](int t) { return FamilyOf(t) == RoadFamily::Raised; }) >= 3;
    case Stage::SmallRoads:
        return count([](int t) {
                   return FamilyOf(t) == RoadFamily::Small || FamilyOf(t) == RoadFamily::Mixed;
               }) >= 3;
    default:
        return true;
    }
}

struct Attempt {
    Board board{};
    LevelStats stats;
};

// A rectangle of about `area` cells somewhere on the board: roads stay inside it.
Area ChooseArea(int area, Rng& rng) {
    area = std::clamp(area, 4, CellCount);
    if (area >= CellCount)
        return {0, 0, Columns - 1, Rows - 1};
    int w = std::clamp(static_cast<int>(std::lround(std::sqrt(area * (0.9 + 0.8 * rng.Unit())))), 2,
                       Columns);
    int h = std::clamp((area + w - 1) / w, 2, Rows);
    w = std::clamp((area + h - 1) / h, 2, Columns);
    // Small towns stand near the middle of the board rather than in a corner.
    const int spanC = Columns - w, spanR = Rows - h;
    const int c0 = std::clamp(spanC / 2 + rng.Range(-2, 2), 0, spanC);
    const int r0 = std::clamp(spanR / 2 + rng.Range(-1, 1), 0, spanR);
    return {c0, r0, c0 + w - 1, r0 + h - 1};
}

// Outside the area no road, but water, railway and open ground may run on out
// there. Settled scenery and the cells around it keep their choice, so the roads
// a bridge or a gate sends out have somewhere to go.
void LimitToArea(FillPlan& plan, const Area& a) {
    std::array<bool, CellCount> near{};
    for (int c = 0; c < Columns; ++c)
        for (int r = 0; r < Rows; ++r)
            if (plan.allowed[CellIndex(c, r)].count() == 1)
                for (int dc = -1; dc <= 1; ++dc)
                    for (int dr = -1; dr <= 1; ++dr)
                        if (c + dc >= 0 && c + dc < Columns && r + dr >= 0 && r + dr < Rows)
                            near[CellIndex(c + dc, r + dr)] = true;
    for (int c = 0; c < Columns; ++c)
        for (int r = 0; r < Rows; ++r) {
            const int cell = CellIndex(c, r);
            if (a.Contains(c, r) || near[cell])
                continue;
            for (int t = 1; t < TileCount; ++t)
                if (EdgeWord(t) != 0)
                    plan.allowed[cell].reset(t);
        }
}

// Levels are told apart by their tiles, interchangeable ones taken as equal, and
// by where they stand: the same little town moved a few cells is not a new level.
LevelRecord ShapeKey(const Board& board) {
    int c0 = Columns, r0 = Rows;
    for (int c = 0; c < Columns; ++c)
        for (int r = 0; r < Rows; ++r)
            if (board[CellIndex(c, r)] != 0) {
                c0 = std::min(c0, c);
                r0 = std::min(r0, r);
            }
    LevelRecord key{};
    const LevelRecord canon = CanonicalRecord(board);
    for (int c = c0; c < Columns; ++c)
        for (int r = r0; r < Rows; ++r)
            key[CellIndex(c - c0, r - r0)] = canon[CellIndex(c, r)];
    return key;
}

bool Acceptable(const Board& board, const LevelStats& stats, const LevelPlan& plan) {
    if (stats.roads < 1 || stats.roads + stats.grass < 2)
        return false;
    if (std::none_of(board.begin(), board.end(), [](int t) { return IsMarkerEligible(t); }))
        return false;
    const bool early = plan.stage <= Stage::Junctions;
    if (LongestStraightRun(board) > (early ? 2 : 3))
        return false;
    if (DeadEnds(board) > std::max(2, stats.roads / 6))
        return false;
    if (TinyLoops(board) > 1)
        return false;
    if (!ShowsIdea(board, plan.stage))
        return false;
    if (!ShowsStage(board, plan.stage) || !WaterAndRailRunOn(board))
        return false;
    // Nothing but one straight and a pair of ends would teach nothing.
    return stats.kinds >= 2;
}

std::optional<Attempt> TryLevel(const LevelPlan& plan, double density, int area, Rng& rng) {
    FillPlan fill;
    const Area where = ChooseArea(area, rng);
    if (!PlaceScenery(plan.stage, plan.fresh, where, rng, fill))
        return std::nullopt;
    fill.weight = RoadWeights(IdeaFor(plan.stage), plan.fresh);
    AddSceneryWeights(plan.stage, fill.weight);
    fill.weight[0] = density;
    LimitToArea(fill, where);
    auto board = Fill(fill, rng);
    if (!board)
        return std::nullopt;
    KeepLargestPiece(*board);
    Attempt a{*board, Measure(*board)};
    if (!Acceptable(a.board, a.stats, plan))
        return std::nullopt;
    return a;
}

} // namespace

const char* StageName(Stage s) {
    static const char* names[StageCount] = {"streets",     "junctions", "raised roads",
                                            "small roads", "water",     "railway",
                                            "buildings",   "mixed",     "full"};
    return names[static_cast<int>(s)];
}

LevelPlan PlanFor(int index, int count) {
    const double p = count > 1 ? static_cast<double>(index) / (count - 1) : 0.0;
    int stage = 0;
    while (stage + 1 < StageCount && p >= StageStart[stage + 1])
        ++stage;
    const double begin = StageStart[stage];
    const double end = stage + 1 < StageCount ? StageStart[stage + 1] : 1.0;
    const double within = (p - begin) / std::max(1e-9, end - begin);
    LevelPlan plan;
    plan.stage = static_cast<Stage>(stage);
    plan.fresh = within < 0.3 && plan.stage != Stage::Streets;
    // A quicker rise over the first stages, where each level has only a handful of
    // pieces and the same few shapes would come back again and again.
    plan.targetFigure = static_cast<int>(std::lround(8 + 100 * p + 10 * std::min(1.0, p / 0.12)));
    plan.tolerance = std::max(2, plan.targetFigure / 24);
    return plan;
}

std::vector<LevelRecord> GenerateLibrary(std::uint64_t seed, int count) {
    count = std::clamp(count, 1, MaxLevels);
    std::vector<LevelRecord> levels;
    std::set<LevelRecord> seen;
    for (int i = 0; i < count; ++i) {
        const LevelPlan plan = PlanFor(i, count);
        Rng rng(seed * 1000003ull + static_cast<std::uint64_t>(i) * 7919ull + 17);
        // Start from a guess and steer density and room by how far each try lands.
        double density = 1.2;
        int area = std::clamp(plan.targetFigure * 2 / 3, 4, CellCount);
        std::optional<Attempt> best;
        int bestMiss = 1 << 30;
        for (int tries = 0; (tries < 3000 && bestMiss > 0) || (!best && tries < 30000); ++tries) {
            auto a = TryLevel(plan, density, area, rng);
            if (!a)
                continue;
            if (seen.count(ShapeKey(a->board)))
                continue;
            const int diff = a->stats.figure - plan.targetFigure;
            const int miss = std::max(0, std::abs(diff) - plan.tolerance);
            if (miss < bestMiss) {
                best = a;
                bestMiss = miss;
            }
            if (diff < -plan.tolerance) {
                area = std::min(CellCount, area + 2);
                density = std::max(0.05, density * 0.9);
            } else if (diff > plan.tolerance) {
                area = std::max(4, area - 2);
                density = std::min(20.0, density * 1.1);
            }
        }
        if (!best)
            throw std::runtime_error("found no layout for level " + std::to_string(i + 1));
        seen.insert(ShapeKey(best->board));
        levels.push_back(best->board);
    }
    // Each try lands only near the curve; putting the levels of each stage in order
    // of their figures smooths the small ups and downs away.
    for (int begin = 0; begin < count;) {
        int end = begin + 1;
        while (end < count && PlanFor(end, count).stage == PlanFor(begin, count).stage)
            ++end;
        std::stable_sort(levels.begin() + begin, levels.begin() + end,
                         [](const LevelRecord& a, const LevelRecord& b) {
                             return Measure(a).figure < Measure(b).figure;
                         });
        begin = end;
    }
    return levels;
}

bool WriteLevelFile(const std::string& path, const std::vector<LevelRecord>& records) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    for (const auto& r : records)
        out.write(reinterpret_cast<const char*>(r.data()), RecordSize);
    out.close();
    return static_cast<bool>(out);
}

} // namespace zt::levels
