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
    // A file handed over from outside (a later start, the file manager):
    // loaded as by LoadFile once no dialog or question of the game stands
    // open, so that nothing changes under one the player is answering. Of
    // several handed over meanwhile the last counts; none once the game quits.
    void LoadHandedOver(const QString& path);
    void SaveProgress();

    // A level counts as solved in play that the progress file does not hold
    // solved: quitting now would lose it.
    bool UnsavedSolves() const;
    // Asks whether to quit all the same while UnsavedSolves(); true when
    // nothing is unsaved or the player says yes, and the game then ends.
    bool QuitDespiteUnsavedSolves();

private:
    // The flags as the progress file holds them (none solved for a name
    // without a file), as of the last read, load or save.
    SolvedFlags fileFlags{};
    // Waiting for the game's dialogs to close.
    QString handedOver;
    bool waitingForDialogs = false;
    bool quitting = false;

    // The player's yes to losing UnsavedSolves() (none: no question).
    bool DespiteUnsavedSolves(const QString& question);
    void LoadHandedOverOnceNoDialog();

    // The open or save dialog; the chosen path, empty when cancelled.
    QString ShowDialog(bool save, const QString& folder, const QString& fileName);
};

} // namespace zt
