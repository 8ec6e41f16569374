<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message>
        <source>hint: column %1, row %2, %3</source>
        <translation>Tipp: Spalte %1, Zeile %2, %3</translation>
    </message>
    <message>
        <source>%1 at column %2, row %3 and %4 at column %5, row %6 changed places</source>
        <translation>%1 in Spalte %2, Zeile %3 und %4 in Spalte %5, Zeile %6 haben die Plätze getauscht</translation>
    </message>
    <message>
        <source>Level %1, solved</source>
        <translation>Stufe %1, gelöst</translation>
    </message>
    <message>
        <source>Level %1, solved before</source>
        <translation>Stufe %1, schon gelöst</translation>
    </message>
    <message>
        <source>Level %1, unsolved</source>
        <translation>Stufe %1, ungelöst</translation>
    </message>
</context>
<context>
    <name>CellWords</name>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>raised road</source>
        <translation>Hochstraße</translation>
    </message>
    <message>
        <source>small road</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>junction</source>
        <translation>Abzweigung</translation>
    </message>
    <message>
        <source>bridge</source>
        <translation>Brücke</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>railway</source>
        <translation>Bahnlinie</translation>
    </message>
    <message>
        <source>building</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>grass</source>
        <translation>Wiese</translation>
    </message>
    <message>
        <source>meets</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>movable</source>
        <translation>beweglich</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>markiert</translation>
    </message>
    <message>
        <source>garage</source>
        <translation>Garage</translation>
    </message>
    <message>
        <source>crossing</source>
        <translation>Kreuzung</translation>
    </message>
    <message>
        <source>roundabout</source>
        <translation>Kreisverkehr</translation>
    </message>
    <message>
        <source>causeway</source>
        <translation>Damm</translation>
    </message>
    <message>
        <source>level crossing</source>
        <translation>Bahnübergang</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>Bild ab</translation>
    </message>
</context>
<context>
    <name>zt::BoardRim</name>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wieder</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Alle Level</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Swaps %1 · %2</source>
        <translation>Züge %1 · %2</translation>
    </message>
    <message>
        <source>Swaps %1 · par %2 · %3</source>
        <translation>Züge %1 · Soll %2 · %3</translation>
    </message>
</context>
<context>
    <name>zt::HelpWindow</name>
    <message>
        <source>The_game</source>
        <extracomment>The anchor of the rules in the help file, one per language.</extracomment>
        <translation>Das_Spiel</translation>
    </message>
    <message>
        <source>The rules are missing: the help file is not there.</source>
        <translation>Die Spielregeln fehlen: Die Hilfedatei ist nicht da.</translation>
    </message>
    <message>
        <source>The help file with the rules cannot be read.</source>
        <translation>Die Hilfedatei mit den Spielregeln kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>zt::LevelReports</name>
    <message>
        <source>Level %1 is damaged: the cell at column and row %2 holds the tile number %3, which does not exist. Such cells are shown as grass; the level may not be solvable.</source>
        <translation>Stufe %1 ist beschädigt: Das Feld in Spalte und Zeile %2 enthält die Plättchennummer %3, die es nicht gibt. Solche Felder werden als Wiese gezeigt; die Stufe ist vielleicht nicht lösbar.</translation>
    </message>
    <message>
        <source>Fileerror %1 with file </source>
        <translation>Dateifehler %1 bei Datei </translation>
    </message>
    <message>
        <source>The level file %1 holds no complete level. Without it there is nothing to play.</source>
        <translation>Die Stufendatei %1 enthält keine vollständige Stufe. Ohne sie gibt es nichts zu spielen.</translation>
    </message>
    <message>
        <source>The level file %1 is missing or cannot be opened. Without it there is nothing to play.</source>
        <translation>Die Stufendatei %1 fehlt oder lässt sich nicht öffnen. Ohne sie gibt es nichts zu spielen.</translation>
    </message>
</context>
<context>
    <name>zt::MessageBox</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>zt::ProgressFlow</name>
    <message>
        <source>The levels solved since the last save will be lost. Quit anyway?</source>
        <translation>Die seit dem letzten Speichern gelösten Stufen gehen verloren. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>That is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>That is not a regular file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>You may not read that file.</source>
        <translation>Du darfst die Datei nicht lesen.</translation>
    </message>
    <message>
        <source>Error occured while loading file %1!</source>
        <translation>Fehler beim Laden des Spiels %1!</translation>
    </message>
    <message>
        <source>Zorbly Tarnel files (*.ztn)</source>
        <translation>Zorbly Tarnel-Dateien (*.ztn)</translation>
    </message>
    <message>
        <source>Game %1 already existing. Overwrite?</source>
        <translation>Spiel %1 existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Cannot save game %1. Drive full or not writable.</source>
        <translation>Kann Spiel %1 nicht speichern. Datenträger voll oder nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The levels solved since the last save will be lost. Load anyway?</source>
        <translation>Die seit dem letzten Speichern gelösten Stufen gehen verloren. Trotzdem laden?</translation>
    </message>
</context>
<context>
    <name>zt::RecordTexts</name>
    <message>
        <source>1 swap</source>
        <translation>1 Zug</translation>
    </message>
    <message>
        <source>%1 swaps</source>
        <translation>%1 Züge</translation>
    </message>
    <message>
        <source>%1, hint %2, %3</source>
        <translation>%1, Tipp %2, %3</translation>
    </message>
    <message>
        <source>with hints</source>
        <translation>mit Tipps</translation>
    </message>
    <message>
        <source>at the hint&apos;s count</source>
        <translation>so gut wie der Tipp</translation>
    </message>
    <message>
        <source>Level %1, solved</source>
        <translation>Stufe %1, gelöst</translation>
    </message>
    <message>
        <source>Level %1, unsolved</source>
        <translation>Stufe %1, ungelöst</translation>
    </message>
    <message>
        <source>Solved: %1 of %2 · at the hint&apos;s count or better: %3 · played: %4</source>
        <translation>Gelöst: %1 von %2 · so gut wie der Tipp oder besser: %3 · gespielt: %4</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>Only &amp;unsolved levels</source>
        <translation>Nur &amp;ungelöste Stufen</translation>
    </message>
    <message>
        <source>Click or Ctrl+L: all levels at a glance</source>
        <translation>Klick oder Strg+L: alle Stufen auf einen Blick</translation>
    </message>
    <message>
        <source>The records file %1 could not be read, nor set aside. The records of this game will not be kept.</source>
        <translation>Die Rekorddatei %1 war nicht lesbar und ließ sich nicht beiseitelegen. Die Rekorde dieses Spiels werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The records file %1 could not be read. It was set aside as %2, and the records start anew.</source>
        <translation>Die Rekorddatei %1 war nicht lesbar. Sie wurde als %2 beiseitegelegt, und die Rekorde beginnen neu.</translation>
    </message>
    <message>
        <source>difficulty %1 of %2</source>
        <translation>Schwierigkeit %1 von %2</translation>
    </message>
    <message>
        <source>Level %1 is solved: shown as typed, though only unsolved levels are listed.</source>
        <translation>Stufe %1 ist gelöst: wie getippt gezeigt, obwohl nur ungelöste Stufen aufgeführt sind.</translation>
    </message>
</context>
<context>
    <name>zt::TMainForm</name>
    <message>
        <source>Every level at a glance</source>
        <translation>Alle Stufen auf einen Blick</translation>
    </message>
    <message>
        <source>I want to play a new game.</source>
        <translation>Ich fang ein neues Spiel an.</translation>
    </message>
    <message>
        <source>I try it again.</source>
        <translation>Ich probier&apos;s nochmal.</translation>
    </message>
    <message>
        <source>I want to continue an old game.</source>
        <translation>Ich hol mir einen alten Spielstand.</translation>
    </message>
    <message>
        <source>Save often, save always.</source>
        <translation>Einmal zu oft gesichert ist besser als einmal zuwenig</translation>
    </message>
    <message>
        <source>I dont like the sound always.</source>
        <translation>Die Geräusche mag ich nicht immer.</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>Ich hab genug!</translation>
    </message>
    <message>
        <source>Previous unsolved level</source>
        <translation>nächstniedere ungelöste Stufe</translation>
    </message>
    <message>
        <source>Next unsolved level</source>
        <translation>nächsthöhere ungelöste Stufe</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>Worum geht&apos;s da eigentlich?</translation>
    </message>
    <message>
        <source>Who did these ZORBLY GAME?</source>
        <translation>Wer hat diese Spiele nur verbrochen?</translation>
    </message>
    <message>
        <source>Hurrah, there are more ZORBLY GAMES.</source>
        <translation>Hurra, es gibt noch mehr Zorbly Games.</translation>
    </message>
    <message>
        <source>Take back the last swap</source>
        <translation>Den letzten Tausch zurücknehmen</translation>
    </message>
    <message>
        <source>Make the swap taken back again</source>
        <translation>Den zurückgenommenen Tausch wiederholen</translation>
    </message>
    <message>
        <source>Show the tile to swap with the marked one</source>
        <translation>Das Plättchen zeigen, das mit dem markierten zu tauschen ist</translation>
    </message>
    <message>
        <source>Frame one cell left</source>
        <translation>Rahmen ein Feld nach links</translation>
    </message>
    <message>
        <source>Frame one cell right</source>
        <translation>Rahmen ein Feld nach rechts</translation>
    </message>
    <message>
        <source>Frame one cell up</source>
        <translation>Rahmen ein Feld nach oben</translation>
    </message>
    <message>
        <source>Frame one cell down</source>
        <translation>Rahmen ein Feld nach unten</translation>
    </message>
    <message>
        <source>Swap the framed tile with the marked one</source>
        <translation>Das umrahmte Plättchen mit dem markierten tauschen</translation>
    </message>
    <message>
        <source>I don&apos;t speak english.</source>
        <translation>Ich spreche nicht englisch.</translation>
    </message>
    <message>
        <source>I don&apos;t speak german.</source>
        <translation>Ich spreche nicht deutsch.</translation>
    </message>
    <message>
        <source>Select level</source>
        <translation>Stufe wählen</translation>
    </message>
    <message>
        <source>swap with column %1, row %2</source>
        <translation>tausche mit Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source> - Game </source>
        <translation> - Spiel </translation>
    </message>
    <message>
        <source>Not enough memory! Program aborted.</source>
        <translation>Zuwenig Speicher! Programm wird beendet.</translation>
    </message>
    <message>
        <source>The game&apos;s pictures and sounds are damaged (%1). Program aborted.</source>
        <translation>Die Bilder und Klänge des Spiels sind beschädigt (%1). Programm wird beendet.</translation>
    </message>
    <message>
        <source>Make the whole window larger</source>
        <translation>Das ganze Fenster größer</translation>
    </message>
    <message>
        <source>Make the whole window smaller</source>
        <translation>Das ganze Fenster kleiner</translation>
    </message>
    <message>
        <source>The window at its own size</source>
        <translation>Das Fenster in seiner eigenen Größe</translation>
    </message>
</context>
<context>
    <name>zt::TTongueDlg</name>
    <message>
        <source>I speak english.</source>
        <translation>Ich spreche englisch.</translation>
    </message>
    <message>
        <source>I speak german.</source>
        <translation>Ich spreche deutsch.</translation>
    </message>
</context>
<context>
    <name>zt::TYesNoDlg</name>
    <message>
        <source>Hurrah,|you did it!</source>
        <translation>Hurra,|geschafft!</translation>
    </message>
    <message>
        <source>Do you really want|to give up the level?</source>
        <translation>Willst Du die Stufe|wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Do you really want|to go?</source>
        <translation>Willst Du wirklich|schon aufhören?</translation>
    </message>
    <message>
        <source>Do you really want|to give up the game?</source>
        <translation>Willst Du das Spiel|wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Congratulation,|you solved all levels.</source>
        <translation>Gratulation,|Du hast|alle Stufen gelöst.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>zt::render</name>
    <message>
        <source>Level %1: solved</source>
        <translation>Stufe %1: gelöst</translation>
    </message>
    <message>
        <source>Level %1: unsolved</source>
        <translation>Stufe %1: ungelöst</translation>
    </message>
</context>
</TS>
