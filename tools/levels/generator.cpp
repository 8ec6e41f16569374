#include "generator.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>

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

// The family a fresh level of a road stage has to show.
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
void LimitToRegion(FillPlan& plan, int area, Rng& rng) {
    area = std::clamp(area, 4, CellCount);
    if (area >= CellCount)
        return;
    int w = std::clamp(static_cast<int>(std::lround(std::sqrt(area * (0.9 + 0.8 * rng.Unit())))), 2,
                       Columns);
    int h = std::clamp((area + w - 1) / w, 2, Rows);
    w = std::clamp((area + h - 1) / h, 2, Columns);
    const int c0 = rng.Below(Columns - w + 1), r0 = rng.Below(Rows - h + 1);
    for (int c = 0; c < Columns; ++c)
        for (int r = 0; r < Rows; ++r)
            if (c < c0 || c >= c0 + w || r < r0 || r >= r0 + h) {
                auto& allowed = plan.allowed[CellIndex(c, r)];
                // Scenery already placed there stays; open cells become grass.
                if (allowed.count() > 1)
                    plan.Only(CellIndex(c, r), 0);
            }
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
    if (TinyLoops(board) > (stats.roads > 30 ? 1 : 0))
        return false;
    if (plan.fresh && !ShowsIdea(board, plan.stage))
        return false;
    // Nothing but one straight and a pair of ends would teach nothing.
    return stats.kinds >= 2;
}

std::optional<Attempt> TryLevel(const LevelPlan& plan, double density, int area, Rng& rng) {
    FillPlan fill;
    if (!PlaceScenery(plan.stage, plan.fresh, rng, fill))
        return std::nullopt;
    fill.weight = RoadWeights(IdeaFor(plan.stage), plan.fresh);
    for (int t = 91; t < TileCount; ++t)
        fill.weight[t] = 0; // fixed tiles come only from the scenery
    fill.weight[0] = density;
    LimitToRegion(fill, area, rng);
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
    plan.targetFigure = static_cast<int>(std::lround(8 + 106 * std::pow(p, 1.2)));
    plan.tolerance = std::max(2, plan.targetFigure / 16);
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
        for (int tries = 0; tries < 3000 && bestMiss > 0; ++tries) {
            auto a = TryLevel(plan, density, area, rng);
            if (!a)
                continue;
            if (seen.count(CanonicalRecord(a->board)))
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
            best = Attempt{}; // cannot happen with grass and street pieces allowed
        seen.insert(CanonicalRecord(best->board));
        levels.push_back(best->board);
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
