#include "scenerymaker.h"

namespace zt::levels {

bool PlaceScenery(Stage, bool, Rng&, FillPlan&) {
    return true;
}

} // namespace zt::levels
