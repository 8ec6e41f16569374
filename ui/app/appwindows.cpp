#include "appwindows.h"

#include "aboutbox.h"
#include "splash.h"
#include "languagedialog.h"
#include "messagedialog.h"

namespace zt {

GameWindows CreateGameWindows(const QString& programDir, bool picturesLater,
                              const QString& progressFile) {
    GameWindows w;
    w.MainForm = std::make_unique<TMainForm>(programDir, picturesLater, progressFile);
    if (w.MainForm->StartFailed()) {
        return w;
    }
    TMainForm* main = w.MainForm.get();
    // The game's own dialogs open at the window's scale (WindowScale).
    w.Splash = new TSplash(main);
    w.YesNoDlg = new TYesNoDlg(main, [main] { return main->game().language(); });
    w.AboutBox = new TAboutBox(main);
    w.TongueDlg = new TTongueDlg(main, main->game());
    main->SetWindows(w.Splash, w.YesNoDlg, w.AboutBox, w.TongueDlg);
    return w;
}

} // namespace zt
