// Opens the level browser over a window as the game's, with the game's 500
// levels, a record for every other level and the tile pictures at 2x, at the
// game's zoom given in percent (200 unless told), and prints how long each
// opening took until the grid had painted, and the resident memory the first
// one added. Then drags it to twice its size: the larger pictures' cost.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <unistd.h>

#include "layout.h"
#include "levelbrowser.h"
#include "records.h"
#include "render.h"

namespace {

long ResidentKb() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Closes the browser once its grid has painted, noting the time.
class AfterPaint : public QObject {
public:
    QElapsedTimer clock;
    qint64 ms = 0;
    long residentKb = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* viewport = static_cast<QWidget*>(watched);
            if (auto* view = qobject_cast<QListView*>(viewport->parentWidget());
                view && view->objectName() == QLatin1String("levels")) {
                QTimer::singleShot(0, view, [this, view] {
                    ms = clock.elapsed();
                    residentKb = ResidentKb();
                    view->window()->close();
                });
            }
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int zoom = argc > 1 ? QByteArray(argv[1]).toInt() : 200;
    zt::SetWindowScale(zoom / 100.0);
    zt::SilentView view;
    zt::Game game(view);
    game.LoadLevelLibrary(ZTRN_LEVELS);
    game.StartUp(250);
    QTemporaryDir dir;
    zt::Records records(dir.filePath("records.json"));
    for (int n = 1; n <= game.LevelCount(); n += 2)
        records.Note(n, {n % 40, 30, 60000 + n, n % 3 == 0});
    const auto pictures = zt::render::ExactPictures(
        QImage(ZTRN_ASSETS "tilesheet@2x.bmp").convertToFormat(QImage::Format_RGB32),
        QImage(ZTRN_ASSETS "backdrop@2x.bmp").convertToFormat(QImage::Format_RGB32),
        QImage(ZTRN_ASSETS "digits@2x.bmp").convertToFormat(QImage::Format_RGB32), 2);

    // The main window, its texts drawn: the fonts are in before the browser opens.
    QLabel main(QStringLiteral("Zorbly Tarnel V2.2 - Level 250"));
    main.resize(520, 410);
    main.show();
    QTimer::singleShot(50, &app, &QApplication::quit);
    app.exec();

    AfterPaint after;
    app.installEventFilter(&after);
    // The game makes the browser at its first opening: that counts.
    std::unique_ptr<zt::LevelBrowser> browser;
    const long before = ResidentKb();
    for (int i = 0; i < 5; ++i) {
        after.clock.start();
        if (!browser)
            browser = std::make_unique<zt::LevelBrowser>(
                game, records, [&] { return pictures; }, nullptr, &main);
        browser->Choose();
        std::printf("opening %d: %lld ms, resident +%ld kB, %d x %d\n", i + 1, after.ms,
                    after.residentKb - before, browser->width(), browser->height());
    }
    // Dragged larger: the largest pictures.
    browser->resize(browser->size() * 2);
    after.clock.start();
    browser->Choose();
    std::printf("twice as large: %lld ms, resident +%ld kB, %d x %d\n", after.ms,
                after.residentKb - before, browser->width(), browser->height());
    std::printf("levels %d, zoom %d %%, display scale %s\n", game.LevelCount(), zoom,
                qgetenv("QT_SCALE_FACTOR").constData());
    return 0;
}
