#include <QGuiApplication>
#include <QTest>

#include "test_levels.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the pictures need fonts, not a screen
    QGuiApplication app(argc, argv);
    int failed = 0;
    TestLevelLibrary library;
    failed += QTest::qExec(&library, argc, argv);
    TestLevelTool tool;
    failed += QTest::qExec(&tool, argc, argv);
    return failed ? 1 : 0;
}
