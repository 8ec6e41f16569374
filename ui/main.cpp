// Zorbly Tarnel: the program's entry.
#include <QApplication>

#include "appwindows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("zorbly-tarnel"));

    // The game's files lie beside the program; there are no options. The
    // window is made without its pictures, which follow while the opening
    // effect plays.
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
    windows.MainForm->show();
    int rc = app.exec();
    // Destroying the main window remembers its position, then frees the rest.
    windows.MainForm.reset();
    return rc;
}
