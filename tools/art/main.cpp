// ztrn-art ASSETS_DIR DOCS_DIR
//
// Draws every picture and sound of the game and writes them into ASSETS_DIR
// (the repository's assets/ folder) and the tile contact sheet into DOCS_DIR.
// The same run always gives byte-identical files.
#include "assetset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ztrn-art ASSETS_DIR DOCS_DIR\n");
        return 2;
    }
    const QString assetsDir = QString::fromLocal8Bit(argv[1]);
    const QString docsDir = QString::fromLocal8Bit(argv[2]);
    int failures = 0;
    for (const art::AssetFile& f : art::RenderAssets()) {
        QString path = f.path;
        if (path.startsWith("assets/"))
            path = assetsDir + "/" + path.mid(7);
        else if (path.startsWith("docs/"))
            path = docsDir + "/" + path.mid(5);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(f.bytes) != f.bytes.size() ||
            !out.flush()) {
            std::fprintf(stderr, "ztrn-art: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(out.errorString()));
            ++failures;
            continue;
        }
        std::printf("%8lld  %s\n", static_cast<long long>(f.bytes.size()), qPrintable(path));
    }
    return failures ? 1 : 0;
}
