// Tests of the level library: the shipped file, the scenery rules and the
// generator (test_levels.cpp), and the commands of ztrn-levels (test_levels_tool.cpp).
#pragma once

#include <QObject>

class TestLevelLibrary : public QObject {
    Q_OBJECT
private slots:
    void shippedFileIsSoundAndRises();
    void sceneryRulesCatchBrokenBoards();
    void generatorIsRepeatableAndKeepsEveryRule();
    void figureCountsEachShapeOnce();
};

class TestLevelTool : public QObject {
    Q_OBJECT
private slots:
    void checkListsEveryFault();
    void checkFollowsTheReadingRules();
    void dealIsTheGamesDeal();
    void badArgumentsAreRefused();
    void picturesShowTheLevels();
};
