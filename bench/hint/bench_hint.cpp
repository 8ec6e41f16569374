// Every hint along the way of each deal, timed (processor time) as the game asks
// for it on H, and the swaps counted: levels 1-25 and all levels, with the
// slowest hint and its level.
//   bench-hint [FILE [LAST [SEEDS]]]   (defaults: the shipped levels, 500, 3)
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

#include "game.h"
#include "hint.h"

namespace {

// The time this thread ran, so that other work on a busy machine does not count.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : LEVELS;
    const zt::LevelFile file = zt::ReadLevelFile(path);
    const int last = std::min<int>(argc > 2 ? std::stoi(argv[2]) : 500, int(file.records.size()));
    const int seeds = argc > 3 ? std::stoi(argv[3]) : 3;
    zt::SilentView view;
    zt::Game game(view);
    game.UseLevels(file.records);
    std::vector<double> times;
    double slowest = 0;
    int slowestLevel = 0;
    long early = 0, all = 0, unsolved = 0;
    for (int n = 1; n <= last; ++n) {
        for (int s = 1; s <= seeds; ++s) {
            game.Seed(static_cast<std::uint32_t>(s));
            game.StartLevel(n);
            int swaps = 0;
            while (!game.levelSolved() && swaps < 2 * zt::CellCount) {
                const double start = CpuMs();
                const auto cell = game.Hint();
                const double ms = CpuMs() - start;
                times.push_back(ms);
                if (ms > slowest)
                    slowest = ms, slowestLevel = n;
                if (!cell)
                    break;
                game.boxMouseDown(*cell);
                ++swaps;
            }
            unsolved += game.levelSolved() ? 0 : 1;
            all += swaps;
            early += n <= 25 ? swaps : 0;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("swaps: levels 1-25 %ld, levels 1-%d %ld, deals left unsolved %ld\n", early, last,
                all, unsolved);
    if (!times.empty())
        std::printf("hint: median %.3f ms, 99th %.3f ms, slowest %.3f ms (level %d) of %zu\n",
                    times[times.size() / 2], times[times.size() * 99 / 100], slowest,
                    slowestLevel, times.size());
    return 0;
}
