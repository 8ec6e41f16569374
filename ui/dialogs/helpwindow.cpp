#include "helpwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "glyphs.h"

namespace zt {

QString RulesTopic(int language) {
    return language == 1 ? QStringLiteral("Das_Spiel") : QStringLiteral("The_game");
}

HelpWindow::HelpWindow() {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Zorbly Tarnel V" ZTRN_VERSION));
    setWindowIcon(GameIcon());
    setAttribute(Qt::WA_QuitOnClose, false);
    setOpenExternalLinks(true);
    resize(560, 480);
}

void HelpWindow::ShowTopic(const QString& helpFile, const QString& topic, bool german) {
    topic_ = topic;
    // Shown first, so the jump to the topic works on the laid-out page.
    show();
    raise();
    activateWindow();
    QFile file(helpFile);
    if (QFileInfo(helpFile).isFile() && file.open(QIODevice::ReadOnly)) {
        // Relative links and pictures in the help file resolve beside it.
        setSearchPaths({QFileInfo(helpFile).absolutePath()});
        setHtml(QString::fromUtf8(file.readAll()));
        scrollToAnchor(topic);
    } else {
        // Whoever finds this window empty should learn why, and where the
        // file belongs.
        const bool missing = !QFileInfo::exists(helpFile);
        const QString why =
            german ? (missing ? QStringLiteral("Die Spielregeln fehlen: Die Hilfedatei ist nicht da.")
                              : QStringLiteral("Die Hilfedatei mit den Spielregeln kann nicht "
                                               "gelesen werden."))
                   : (missing ? QStringLiteral("The rules are missing: the help file is not there.")
                              : QStringLiteral("The help file with the rules cannot be read."));
        setPlainText(QStringLiteral("Zorbly Tarnel\n\n") + why + QStringLiteral("\n\n") +
                     QDir::toNativeSeparators(helpFile));
    }
}

} // namespace zt
