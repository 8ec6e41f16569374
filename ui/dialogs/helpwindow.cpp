#include "helpwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QUrl>
#include <algorithm>

#include "framing.h"
#include "glyphs.h"
#include "layout.h"

namespace zt {

namespace {

// The size the rules are written for, where the screen has room for it.
const QSize RulesSize(560, 480);

// start, or as near as it comes with length inside [low, high).
int InsideRange(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

QString HelpWindow::RulesTopic() {
    //: The anchor of the rules in the help file, one per language.
    return tr("The_game");
}

HelpWindow::HelpWindow() {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Zorbly Tarnel V" ZTRN_VERSION));
    setWindowIcon(GameIcon());
    setAttribute(Qt::WA_QuitOnClose, false);
    setOpenExternalLinks(true);
    resize(RulesSize);
    font_ = font();
}

void HelpWindow::StandOver(const QWidget* main) {
    if (isVisible() || !main)
        return;
    const QRect free = main->screen()->availableGeometry();
    // At the game's scale; a size the player chose stays.
    if (const qreal scale = WindowScale(); scale != scale_) {
        setFont(ScaledFont(font_, scale));
        if (size() == RulesSize * scale_) {
            resize(RulesSize * scale);
        }
        scale_ = scale;
    }
    // Until the window manager has framed it, it gets the main window's frame.
    const QMargins guess = KnownFrame(main);
    const QMargins frame = KnownFrame(this).isNull() ? guess : KnownFrame(this);
    // The player's own size, or the one written for, as far as the screen has room.
    resize(size().boundedTo(free.size().shrunkBy(frame)).expandedTo(minimumSizeHint()));
    const QRect mainOuter = OuterRect(main, guess);
    PlaceFrame(
        this,
        [mainOuter, free](QSize outer) {
            QRect r(QPoint(), outer);
            r.moveCenter(mainOuter.center());
            return QPoint(InsideRange(r.left(), outer.width(), free.left(), free.right() + 1),
                          InsideRange(r.top(), outer.height(), free.top(), free.bottom() + 1));
        },
        guess);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void HelpWindow::ShowTopic(const QString& helpFile, const QString& topic) {
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
        const QString why = missing ? tr("The rules are missing: the help file is not there.")
                                    : tr("The help file with the rules cannot be read.");
        setPlainText(QStringLiteral("Zorbly Tarnel\n\n") + why + QStringLiteral("\n\n") +
                     QDir::toNativeSeparators(helpFile));
    }
}

} // namespace zt
