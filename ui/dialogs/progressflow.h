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
    // Loads the file of that name as the open dialog's choice would be.
    void LoadFile(const QString& chosen);
    void SaveProgress();

    // A level counts as solved in play that the progress file does not hold
    // solved: quitting now would lose it.
    bool UnsavedSolves() const;
    // Asks whether to quit all the same while UnsavedSolves(); true when
    // nothing is unsaved or the player says yes.
    bool QuitDespiteUnsavedSolves();

private:
    // The flags as the progress file holds them (none solved for a name
    // without a file), as of the last read, load or save.
    SolvedFlags fileFlags{};

    // The open or save dialog; the chosen path, empty when cancelled.
    QString ShowDialog(bool save, const QString& folder, const QString& fileName);
};

} // namespace zt
