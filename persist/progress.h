// Progress files: the 500 solved flags, nothing else. The reading and writing
// here; the dialogs around them are the window's (ProgressFlow).
#pragma once

#include <QString>

#include "game.h"

namespace zt {

enum class ProgressRead { Ok, Missing, Failed };

// Reads up to 500 bytes into flags (a shorter file fills only its leading
// flags). Missing: no file (or a folder) at path, flags untouched. On Failed,
// systemError (when given) receives the system's word for it, if any.
ProgressRead ReadProgressFile(const QString& path, SolvedFlags& flags,
                              QString* systemError = nullptr);
// Writes exactly 500 bytes. The old file stays whole unless all were written.
bool WriteProgressFile(const QString& path, const SolvedFlags& flags);
// The extension rule of the save dialog: a.txt -> a.ztn, a.b.c -> a.b.ztn, a -> a.ztn.
QString WithProgressExtension(const QString& chosen);
// A regular file (not a folder) exists at path.
bool ProgressFileExists(const QString& path);
// The stored progress path, or fallback when the stored one is longer than
// any path the system can open (it could never name a file).
QString UsableProgressPath(const QString& stored, const QString& fallback);
// The file-name part of path as the window's caption shows it: a name longer
// than any real file name is shortened in the middle, with an ellipsis.
QString CaptionFileName(const QString& path);

// The file-name part of path (after the last separator) and the folder part
// before it, with its trailing separator.
QString FileNamePart(const QString& path);
QString FolderPart(const QString& path);

} // namespace zt
