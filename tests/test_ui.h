// The window tests, grouped by what the player does.
#pragma once

#include <QObject>

class DrawingTest : public QObject {
    Q_OBJECT
private slots:
    void gaugeRowsFollowTheShareOfSolvedLevels_data();
    void gaugeRowsFollowTheShareOfSolvedLevels();
    void levelDisplayBlanksOnlyLeadingZeros_data();
    void levelDisplayBlanksOnlyLeadingZeros();
    void boardPointsFallInCells_data();
    void boardPointsFallInCells();
    void rimGlyphsHaveBothLooksAtEveryZoom();
};

class FirstStartTest : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesEnglishLevelOneAndAsksForTheLanguage();
    void languageDialogClosedKeepsAskingAtTheNextStart();
    void storedLevelIsBroughtIntoRange();
    void missingProgressFileIsNamedWithoutAMessage();
    void givenProgressFileIsReadInsteadOfTheRemembered();
    void startUpErrorsStandCentredWithTheIcon();
    void levelReportsAreWordedInTheLanguage_data();
    void levelReportsAreWordedInTheLanguage();
};

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void moveSwapsTheTwoCellsOnScreen();
    void markerTurnsOnTheSelectedCellOnly();
    void solvingShowsWonThenMarksTheLevel();
    void rimCountsAndOffersTheCommands();
    void everythingIsDrawn_data();
    void everythingIsDrawn();
    void damagedPicturesFoundLateEndTheRunWithAMessage();
};

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void newGameClearsTheProgress();
    void nextAndPreviousGoTheirOwnWays();
    void troughClicksPageToTheEnds();
    void languageButtonRenewsEveryText();
};

class DialogTest : public QObject {
    Q_OBJECT
private slots:
    void everyPageAnswersAsTheCallerExpects_data();
    void everyPageAnswersAsTheCallerExpects();
    void textsFollowTheLanguageAtEachShowing();
    void everyTextShowsWholeAndBreaksBetweenPhrases();
    void dialogsStandOverTheMainWindow();
    void splashClosesByClickOrTimer();
    void zoomedDialogsTakeTheirLargerArt();
    void rulesOpenAtTheTopicOfTheLanguage();
    void failedWebLinkIsNotTriedAgain();
    void levelBrowserShowsRecordsAndPlaysTheLevelTyped();
    void levelPictureFollowsTheProgressInPlay_data();
    void levelPictureFollowsTheProgressInPlay();
    void firstLevelsLookApartUnsolved();
    void damagedRecordsAreToldOnceInTheLanguage();
};

class ClosingTest : public QObject {
    Q_OBJECT
private slots:
    void answeredNoKeepsPlaying();
    void answeredYesWritesTheSettingsEvenWhenSaveIsCancelled();
    void unsavedSolvesAreAskedForWhenSaveIsCancelled();
};

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void frameIsDrawnOnlyWhileTheBoardHasTheFocus();
    void spaceAndEnterMoveAsAClickDoes();
    void hintIsLitAtOnceAndBlinksUntilAClick();
    void shortcutsRunTheButtonsHandlers_data();
    void shortcutsRunTheButtonsHandlers();
    void screenReaderNamesFollowTheLanguage_data();
    void screenReaderNamesFollowTheLanguage();
    void hintStandsUntilTheNextKey();
};
