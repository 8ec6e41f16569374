<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hint: column %1, row %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at column %2, row %3 and %4 at column %5, row %6 changed places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1, solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1, solved before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1, unsolved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellWords</name>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raised road</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small road</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>junction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bridge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>railway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>building</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>movable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>garage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crossing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>roundabout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>causeway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level crossing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::BoardRim</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swaps %1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swaps %1 · par %2 · %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::HelpWindow</name>
    <message>
        <source>The_game</source>
        <extracomment>The anchor of the rules in the help file, one per language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules are missing: the help file is not there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file with the rules cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::LevelReports</name>
    <message>
        <source>Level %1 is damaged: the cell at column and row %2 holds the tile number %3, which does not exist. Such cells are shown as grass; the level may not be solvable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fileerror %1 with file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The level file %1 holds no complete level. Without it there is nothing to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The level file %1 is missing or cannot be opened. Without it there is nothing to play.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::MessageBox</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::ProgressFlow</name>
    <message>
        <source>That is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not read that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occured while loading file %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorbly Tarnel files (*.ztn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game %1 already existing. Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save game %1. Drive full or not writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The levels solved since the last save will be lost. Quit anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The levels solved since the last save will be lost. Load anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::RecordTexts</name>
    <message>
        <source>1 swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 swaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, hint %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at the hint&apos;s count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1, solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1, unsolved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solved: %1 of %2 · at the hint&apos;s count or better: %3 · played: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only &amp;unsolved levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or Ctrl+L: all levels at a glance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records file %1 could not be read, nor set aside. The records of this game will not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records file %1 could not be read. It was set aside as %2, and the records start anew.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>difficulty %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1 is solved: shown as typed, though only unsolved levels are listed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::TMainForm</name>
    <message>
        <source>I want to play a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I try it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I want to continue an old game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save often, save always.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I dont like the sound always.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous unsolved level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next unsolved level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who did these ZORBLY GAME?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hurrah, there are more ZORBLY GAMES.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the swap taken back again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the tile to swap with the marked one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame one cell left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame one cell right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame one cell up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame one cell down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap the framed tile with the marked one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I don&apos;t speak english.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I don&apos;t speak german.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>swap with column %1, row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Game </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory! Program aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s pictures and sounds are damaged (%1). Program aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every level at a glance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the whole window larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the whole window smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window at its own size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::TTongueDlg</name>
    <message>
        <source>I speak english.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I speak german.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt::TYesNoDlg</name>
    <message>
        <source>Hurrah,|you did it!</source>
        <translation>Super,|tu as réussi!</translation>
    </message>
    <message>
        <source>Do you really want|to give up the level?</source>
        <translation>Do you really want|to give up the level?</translation>
    </message>
    <message>
        <source>Do you really want|to go?</source>
        <translation>Veux-tu vraiment|arrêter?</translation>
    </message>
    <message>
        <source>Do you really want|to give up the game?</source>
        <translation>Veux-tu vraiment|abandonner le jeu?</translation>
    </message>
    <message>
        <source>Congratulation,|you solved all levels.</source>
        <translation>Congratulation,|you solved all levels.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>zt::render</name>
    <message>
        <source>Level %1: solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1: unsolved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
