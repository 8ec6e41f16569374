// What the program accepts on its command line: --version, --help, the
// options Qt itself understands and one progress file to play with. Read before the application object exists,
// so that --version and --help answer without a display.
#pragma once

#include <QString>
#include <QStringList>

namespace zt {

struct CommandLine {
    enum class Action { Play, ShowVersion, ShowHelp, Refuse };
    Action action = Action::Play;
    // For ShowVersion and ShowHelp the text for standard output; for Refuse the
    // one line for standard error.
    QString text;
    // For Play: the progress file named, as a full path; empty when none was.
    QString progressFile;
    // The process's exit code when the game is not played.
    int ExitCode() const { return action == Action::Refuse ? 2 : 0; }
};

// arguments as the process got them, the program first.
CommandLine ReadCommandLine(const QStringList& arguments);

} // namespace zt
