// Zorbly Tarnel: the program's entry.
#include <QApplication>

#include "appwindows.h"
#include "startwork.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("zorbly-tarnel"));

    // The game's files lie beside the program; there are no options.
    zt::GameWindows windows =
        zt::CreateGameWindows(QCoreApplication::applicationDirPath() + '/', true);
    if (windows.MainForm->StartFailed()) {
        return 1;
    }
    QObject::connect(windows.MainForm.get(), &zt::TMainForm::Closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(
        windows.MainForm.get(), &zt::TMainForm::StartAborted, &app,
        [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    // The pictures, the sounds and the fonts are readied on a second thread
    // while the opening effect plays, so the first outline comes sooner.
    windows.MainForm->SetMedia(zt::BeginStartWork());
    windows.MainForm->show();
    int rc = app.exec();
    // Destroying the main window remembers its position, then frees the rest.
    windows.MainForm.reset();
    return rc;
}
