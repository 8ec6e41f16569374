// Where this tree's sources, assets and built programs lie, for the tests
// that read shipped files or start the game. The paths are written into one
// generated file of their own (tests/CMakeLists.txt): no other test file
// carries a path in its compile line, so a compiler cache serves the test
// programs of every clone.
#pragma once

namespace zt::testpaths {

extern const char* const SourceDir; // the top of the source tree
extern const char* const AssetDir;  // the pictures and sounds the game is built from
extern const char* const BuildDir;  // where the game and the test programs are built

} // namespace zt::testpaths
