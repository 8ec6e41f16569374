#include "test_art.h"

#include <QGuiApplication>
#include <QTest>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    int failures = 0;
    TestArtAssets assets;
    failures += QTest::qExec(&assets, argc, argv);
    TestArtDrawing drawing;
    failures += QTest::qExec(&drawing, argc, argv);
    return failures;
}
