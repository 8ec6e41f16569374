// Which window system the game runs on when the player has not said.
#pragma once

namespace zt {

// A Wayland client cannot place its own windows, and the game places every
// one of its windows. So in a Wayland session that also offers an X server
// (XWayland), the game runs on X, unless QT_QPA_PLATFORM names a platform.
// Must run before the application object exists. Costs one local connect at
// most, and nothing at all outside Wayland sessions.
void PreferXInWaylandSession();

} // namespace zt
