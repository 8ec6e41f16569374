// Zorbly Tarnel: the program's entry.
#include <QApplication>

#include "appwindows.h"
#include "startwork.h"

int main(int argc, char** argv) {
    // Decoding and the font set-up run while Qt connects to the display.
    std::future<zt::GameMedia> media = zt::BeginStartWork();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("zorbly-tarnel"));

    // The game's files lie beside the program; there are no options.
    zt::GameWindows windows =
        zt::CreateGameWindows(QCoreApplication::applicationDirPath() + '/', std::move(media));
    if (windows.MainForm->StartFailed()) {
        return 1;
    }
    QObject::connect(windows.MainForm.get(), &zt::TMainForm::Closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    windows.MainForm->show();
    int rc = app.exec();
    // Destroying the main window remembers its position, then frees the rest.
    windows.MainForm.reset();
    return rc;
}
