#include <QApplication>
#include <QTest>

#include "test_ui.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    DrawingTest drawing;
    FirstStartTest firstStart;
    PlayTest play;
    NavigationTest navigation;
    DialogTest dialogs;
    ClosingTest closing;
    KeyboardTest keyboard;
    for (QObject* t : std::initializer_list<QObject*>{&drawing, &firstStart, &play, &navigation,
                                                      &dialogs, &closing, &keyboard}) {
        failed += QTest::qExec(t, argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
