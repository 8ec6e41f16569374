// Progress files: the 500 solved flags, nothing else. The reading and writing
// here; the dialogs around them in ProgressFlow.
#pragma once

#include <QString>
#include <functional>

#include "game.h"

class QWidget;

namespace zt {

enum class ProgressRead { Ok, Missing, Failed };

// Reads up to 500 bytes into flags (a shorter file fills only its leading
// flags). Missing: no file (or a folder) at path, flags untouched.
ProgressRead ReadProgressFile(const QString& path, SolvedFlags& flags);
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

// The load and save operations with their dialogs and message boxes.
struct ProgressFlow {
    QWidget* parent = nullptr;
    Game* game = nullptr;
    QString* progressPath = nullptr;
    QString programDir; // with a trailing separator
    std::function<void()> updateCaption;
    std::function<void()> drawGauge;

    // Qt's own dialogs instead of the platform's (tests drive them).
    bool nativeDialogs = true;
    // What the save dialog held last in this run: it starts there when the
    // current file does not exist.
    QString lastSaveChoice;

    void StartUpRead(); // the remembered file at start-up
    void LoadProgress();
    void SaveProgress();

private:
    // The open or save dialog; the chosen path, empty when cancelled.
    QString ShowDialog(bool save, const QString& folder, const QString& fileName);
};

} // namespace zt
