// The window's texts in the player's language: tool tips, the names and
// descriptions a screen reader reads, the level label and the caption.
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "mainform.h"
#include "paintbox.h"
#include "recordtexts.h"

namespace zt {

namespace {

// Qt reads "[*]" in a caption as the modified marker; a file may be named so.
QString CaptionSafe(QString text) {
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

} // namespace

void TMainForm::ApplyLanguage() {
    struct Text {
        QWidget* control;
        const char* german;
        const char* english;
    };
    const Text hints[] = {
        {LoadBtn, "Ich hol mir einen alten Spielstand.", "I want to continue an old game."},
        {SaveBtn, "Einmal zu oft gesichert ist besser als einmal zuwenig",
         "Save often, save always."},
        {NewGameBtn, "Ich fang ein neues Spiel an.", "I want to play a new game."},
        {RestartBtn, "Ich probier's nochmal.", "I try it again."},
        {SoundBtn, "Die Geräusche mag ich nicht immer.", "I dont like the sound always."},
        {RulesBtn, "Worum geht's da eigentlich?", "What's to do here?"},
        {ExitBtn, "Ich hab genug!", "I have enough!"},
        {InfoBtn, "Wer hat diese Spiele nur verbrochen?", "Who did these ZORBLY GAME?"},
        {ZorblyBtn, "Hurra, es gibt noch mehr Zorbly Games.",
         "Hurrah, there are more ZORBLY GAMES."},
        {sUpBtn, "nächsthöhere ungelöste Stufe", "Next unsolved level"},
        {sDownBtn, "nächstniedere ungelöste Stufe", "Previous unsolved level"},
        {levelscroll, "Stufe wählen", "Select level"},
        // Always in the other language: it is the way out of this one.
        {TongueBtn, "I don't speak german.", "Ich spreche nicht englisch."},
    };
    const bool german = game_.German();
    for (const Text& t : hints) {
        const QString hint = QString::fromUtf8(german ? t.german : t.english);
        t.control->setToolTip(hint);
        DescribeControl(t.control, hint);
    }
    const QString board = german ? QStringLiteral("Spielfeld") : QStringLiteral("Board");
    if (box->accessibleName() != board) {
        box->setAccessibleName(board);
    }
    levellabel->setText(german ? QStringLiteral("Stufe:") : QStringLiteral("Level:"));
    UpdateCaption();
}

void TMainForm::UpdateCaption() {
    QString suffix;
    if (!progressPath_.isEmpty()) {
        suffix = (game_.German() ? QStringLiteral(" - Spiel ") : QStringLiteral(" - Game ")) +
                 CaptionFileName(progressPath_);
    }
    setWindowTitle(CaptionSafe(QStringLiteral("Zorbly Tarnel V" ZTRN_VERSION) + suffix));
    levelboxPaint();
}

// Each change is announced to a screen reader: set only what changed.
void TMainForm::DescribeLevel(const QString& hint) {
    if (levelbox->accessibleName() != hint) {
        levelbox->setAccessibleName(hint);
        levelbox->setAccessibleDescription(hint + QStringLiteral(". ") +
                                           recordtexts::BrowserKey(game_.German()));
        box->setAccessibleDescription(hint);
    }
}

void TMainForm::DescribeControl(QWidget* control, const QString& hint) {
    QString description = hint;
    if (auto* button = qobject_cast<QToolButton*>(control);
        button && !button->shortcut().isEmpty()) {
        QString key = button->shortcut().toString(QKeySequence::PortableText);
        if (game_.German()) {
            key.replace(QStringLiteral("Ctrl+"), QStringLiteral("Strg+"));
        }
        description += QStringLiteral(" (%1)").arg(key);
    }
    if (control->accessibleName() != hint || control->accessibleDescription() != description) {
        control->setAccessibleName(hint);
        control->setAccessibleDescription(description);
    }
}

} // namespace zt
