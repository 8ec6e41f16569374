// Zorbly Tarnel: the program's entry.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "appwindows.h"
#include "cmdline.h"
#include "platformchoice.h"
#include "singleinstance.h"
#include "waveplayer.h"

int main(int argc, char** argv) {
    // Answered before there is an application object, so that --version and
    // --help work without a display too.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const zt::CommandLine line = zt::ReadCommandLine(arguments);
    if (line.action != zt::CommandLine::Action::Play) {
        const bool refused = line.action == zt::CommandLine::Action::Refuse;
        std::FILE* out = refused ? stderr : stdout;
        std::fputs(line.text.toLocal8Bit().constData(), out);
        if (refused)
            std::fputc('\n', out);
        return line.ExitCode();
    }
    zt::PreferXInWaylandSession();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("zorbly-tarnel"));
    // A second start of the same player's game only brings the first forward
    // and hands it the progress file it was given.
    const std::unique_ptr<zt::GameClaim> onlyGame = zt::ClaimTheGame(line.progressFile);
    if (!onlyGame)
        return 0;

    // The game's files lie beside the program. The window is made without
    // its pictures, which follow while the opening effect plays.
    zt::GameWindows windows =
        zt::CreateGameWindows(QCoreApplication::applicationDirPath() + '/', true,
                                                             line.progressFile);
    if (windows.MainForm->StartFailed()) {
        return 1;
    }
    QObject::connect(onlyGame.get(), &zt::GameClaim::ProgressFileGiven, windows.MainForm.get(),
                     &zt::TMainForm::OpenProgressFile);
    QObject::connect(windows.MainForm.get(), &zt::TMainForm::Closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(
        windows.MainForm.get(), &zt::TMainForm::StartAborted, &app,
        [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    windows.MainForm->show();
    int rc = app.exec();
    // Destroying the main window remembers its position, then frees the rest.
    windows.MainForm.reset();
    // Everything is saved now. The sound output is closed while the
    // application is whole; but Qt Multimedia still tears its PulseAudio
    // connection down in an exit handler, and that can trip an assertion in
    // the sound library and abort the process. After a sound the game
    // therefore ends here, without the exit handlers.
    if (zt::WavePlayer::Instance().Shutdown()) {
        std::fflush(nullptr);
        std::_Exit(rc);
    }
    return rc;
}
