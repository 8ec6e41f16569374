// The system's standard message boxes as the game shows them: caption and
// buttons are German whatever language the player chose; only the message
// text follows the language.
#pragma once

#include <QString>

class QWidget;

namespace zt {

// Error sign, caption "Fehler", one button "OK".
void ErrorBox(QWidget* parent, const QString& text);
// Warning sign, caption "Warnung", buttons "&Ja" and "&Nein". True only for
// "&Ja"; "&Nein", Escape and the close box all answer no.
bool WarningYesNo(QWidget* parent, const QString& text);

} // namespace zt
