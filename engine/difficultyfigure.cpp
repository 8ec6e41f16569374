#include "difficultyfigure.h"

#include <bitset>

#include "catalogue.h"
#include "hint.h"

namespace zt {

int DifficultyFigure(const LevelRecord& record) {
    int roads = 0;
    std::bitset<TileCount> kinds;
    for (const std::uint8_t t : record) {
        if (t == 0 || !IsTile(t) || !IsMovable(t))
            continue;
        ++roads;
        kinds.set(EdgeClass(t));
    }
    return roads + 2 * static_cast<int>(kinds.count());
}

int DifficultyMarks(int figure) {
    // The shipped library's figures rise from 6 to 122; these steps give
    // each mark about a hundred of its levels.
    static constexpr int FirstOfMark[] = {40, 60, 80, 100};
    int marks = 1;
    for (const int first : FirstOfMark)
        marks += figure >= first ? 1 : 0;
    return marks;
}

} // namespace zt
