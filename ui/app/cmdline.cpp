#include "cmdline.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace zt {

namespace {

struct QtOption {
    const char* name;
    const char* valueName; // nullptr: a flag
    const char* description;
};

// The options QApplication takes out of the arguments itself. They are only
// declared here, so that they are listed and not refused.
constexpr QtOption QtOptions[] = {
    {"platform", "name[:options]", "Qt: the platform plugin to use (xcb, wayland, ...)."},
    {"platformpluginpath", "path", "Qt: where to look for platform plugins."},
    {"platformtheme", "name", "Qt: the platform theme to use."},
    {"plugin", "plugin", "Qt: an additional plugin to load."},
    {"qwindowgeometry", "geometry", "Qt: the main window's geometry."},
    {"qwindowicon", "icon", "Qt: the default window icon."},
    {"qwindowtitle", "title", "Qt: the title of the first window."},
    {"reverse", nullptr, "Qt: lays the windows out from right to left."},
    {"session", "session", "Qt: restores the application from an earlier session."},
    {"style", "style", "Qt: the widget style."},
    {"stylesheet", "file", "Qt: a style sheet for the widgets."},
    {"widgetcount", nullptr, "Qt: prints how many widgets were left at the end."},
    {"display", "name", "Qt: the X display to use."},
    {"geometry", "geometry", "Qt: the main window's geometry (X11)."},
};

} // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options come with one dash: -platform xcb.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Zorbly Tarnel V" ZTRN_VERSION ", a puzzle of road tiles."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A progress file (.ztn) to play with instead of the remembered one: "
                       "its solved levels are read, and it is the file saved to. When the "
                       "game runs already, it loads the file."),
        QStringLiteral("[file]"));
    for (const QtOption& o : QtOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(o.name),
                                            QString::fromLatin1(o.description),
                                            o.valueName ? QString::fromLatin1(o.valueName)
                                                        : QString()));
    }

    const QString program =
        arguments.isEmpty() ? QStringLiteral("zorbly-tarnel") : QFileInfo(arguments[0]).fileName();
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Refuse;
        result.text = program + QStringLiteral(": ") + parser.errorText() +
                      QStringLiteral(" See --help.");
    } else if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        // The usage line names the program as it was called.
        QString text = parser.helpText();
        const qsizetype eol = text.indexOf(u'\n');
        result.text = QStringLiteral("Usage: ") + program + QStringLiteral(" [options] [file]") +
                      (eol < 0 ? QString() : text.mid(eol));
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = QStringLiteral("Zorbly Tarnel V" ZTRN_VERSION "\n");
    } else if (parser.positionalArguments().size() > 1) {
        // One game plays with one progress file.
        result.action = CommandLine::Action::Refuse;
        result.text = program + QStringLiteral(": one progress file at most, not also '") +
                      parser.positionalArguments().at(1) + QStringLiteral("'. See --help.");
    } else if (!parser.positionalArguments().isEmpty()) {
        // Relative to the folder the program was started in; a game already
        // running elsewhere is given the whole path.
        const QString name = parser.positionalArguments().first();
        if (!name.isEmpty())
            result.progressFile = QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
    }
    return result;
}

} // namespace zt
