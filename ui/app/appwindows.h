// The program's windows, made one after the other in the order the game has
// always made them: main window, splash, message dialog, about box, language.
#pragma once

#include <QString>
#include <memory>

#include "mainform.h"

namespace zt {

struct GameWindows {
    std::unique_ptr<TMainForm> MainForm; // owns the others
    TSplash* Splash = nullptr;
    TYesNoDlg* YesNoDlg = nullptr;
    TAboutBox* AboutBox = nullptr;
    TTongueDlg* TongueDlg = nullptr;
};

// When the main window's start-up fails, only MainForm is made (and reports
// StartFailed()). picturesLater and progressFile as for TMainForm.
GameWindows CreateGameWindows(const QString& programDir, bool picturesLater = false,
                              const QString& progressFile = {});

} // namespace zt
