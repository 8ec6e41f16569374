// The system's standard message boxes as the game shows them: caption and
// buttons are German whatever language the player chose; only the message
// text follows the language. A box stands centred over its parent window, or
// on the screen while that is not shown yet.
#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace zt {

// Where the boxes get the game's icon while their parent window has none yet
// (the start-up errors come before the main window has its own).
void SetBoxIconSource(QIcon (*source)());

// Error sign, caption "Fehler", one button "OK".
void ErrorBox(QWidget* parent, const QString& text);
// Warning sign, caption "Warnung", buttons "&Ja" and "&Nein". True only for
// "&Ja"; "&Nein", Escape and the close box all answer no. Enter answers
// "&Ja" unless yesByDefault is false.
bool WarningYesNo(QWidget* parent, const QString& text, bool yesByDefault = true);

} // namespace zt
