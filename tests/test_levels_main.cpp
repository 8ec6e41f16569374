#include <QGuiApplication>
#include <QTest>

#include "test_levels.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // the pictures need fonts
    int failed = 0;
    TestLevelLibrary library;
    failed += QTest::qExec(&library, argc, argv);
    TestLevelTool tool;
    failed += QTest::qExec(&tool, argc, argv);
    return failed ? 1 : 0;
}
