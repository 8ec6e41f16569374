// The window's texts in the player's language: the board's name, the level
// label and the caption. The actions carry their own (actions.cpp).
#include <QEvent>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "boardaccessible.h"
#include "mainform.h"
#include "paintbox.h"
#include "recordtexts.h"
#include "texts.h"

namespace zt {

namespace {

// Qt reads "[*]" in a caption as the modified marker; a file may be named so.
QString CaptionSafe(QString text) {
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

} // namespace

void TMainForm::LanguageChanged(Language language) {
    SpeakLanguage(language);
}

// Qt tells every window of a new catalogue and repaints it, which would
// renew the board's texts at once; the game's texts change when it says so.
bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        return true;
    }
    return QWidget::event(event);
}

void TMainForm::ApplyLanguage() {
    DescribeActions();
    const QString board = tr("Board");
    if (box->accessibleName() != board) {
        box->setAccessibleName(board);
    }
    levellabel->setText(tr("Level:"));
    ShowCaption();
}

void TMainForm::UpdateCaption() {
    shownLevel_ = game_.currentLevel();
    shownSolved_ = game_.IsLevelSolved(shownLevel_);
    ShowCaption();
}

void TMainForm::ShowCaption() {
    QString suffix;
    if (!progressPath_.isEmpty()) {
        suffix = tr(" - Game ") + CaptionFileName(progressPath_);
    }
    setWindowTitle(CaptionSafe(QStringLiteral("Zorbly Tarnel V" ZTRN_VERSION) + suffix));
    levelboxPaint();
}

// Each change is announced to a screen reader: set only what changed.
void TMainForm::DescribeLevel(const QString& hint) {
    if (levelbox->accessibleName() != hint) {
        levelbox->setAccessibleName(hint);
        levelbox->setAccessibleDescription(hint + QStringLiteral(". ") +
                                           recordtexts::BrowserKey());
    }
    const int level = game_.currentLevel();
    boardAccess_->DescribeLevel(level, game_.IsLevelSolved(level), game_.levelSolved());
}

} // namespace zt
