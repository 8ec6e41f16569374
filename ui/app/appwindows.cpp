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
    // The game's own dialogs open at the window's zoom.
    const auto zoom = [main] { return main->Zoom(); };
    w.Splash = new TSplash(main, zoom);
    w.YesNoDlg = new TYesNoDlg(main, [main] { return main->game().language(); }, zoom);
    w.AboutBox = new TAboutBox(main, zoom);
    w.TongueDlg = new TTongueDlg(main, main->game(), zoom);
    main->SetWindows(w.Splash, w.YesNoDlg, w.AboutBox, w.TongueDlg);
    return w;
}

} // namespace zt
