// Loading and saving progress as the player does it: the file dialogs, the
// question before overwriting and the messages when a file fails. The files
// themselves are read and written in progress.h.
#pragma once

#include <QString>
#include <functional>

#include "game.h"

class QWidget;

namespace zt {

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
