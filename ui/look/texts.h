// The game's texts in the player's language. Every text is written in
// English in the code, through tr(), QCoreApplication::translate() or, where
// it is looked up later, QT_TRANSLATE_NOOP; the catalogues in i18n/ hold the
// other languages and are built into the program.
#pragma once

#include <QString>

#include "gameview.h"

namespace zt {

// The language tr() speaks from now on: the catalogue of a language the game
// has one for, the texts as written for English or none chosen.
void SpeakLanguage(Language language);

// A text in one language whatever the game speaks: the standard boxes' words
// are always German, the language button speaks the other language. The
// source must be marked for the catalogue with QT_TRANSLATE_NOOP.
QString TextIn(Language language, const char* context, const char* source);


} // namespace zt
