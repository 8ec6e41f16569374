// Shared bits of the art tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>

#include "testpaths.h"

inline QByteArray readSourceFile(const QString& relative) {
    QFile f(QString::fromUtf8(zt::testpaths::SourceDir) + u'/' + relative);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

class TestArtAssets : public QObject {
    Q_OBJECT
private slots:
    void bitmapFormats_data();
    void bitmapFormats();
    void glyphTransparency();
    void pictureZooms_data();
    void backdropLayout_data() { pictureZooms_data(); }
    void backdropLayout();
    void gaugeStrips_data() { pictureZooms_data(); }
    void gaugeStrips();
    void digitStrip_data() { pictureZooms_data(); }
    void digitStrip();
    void waveFiles_data();
    void waveFiles();
    void desktopIcons();
    void resourcesMatchAssets();
};

class TestArtDrawing : public QObject {
    Q_OBJECT
private slots:
    void committedAssetsAreCurrent();
    void drawingIsRepeatable();
    void masksMatchSprites_data();
    void masksMatchSprites();
    void markerTurnsClockwise();
    void keyColourStaysExclusive();
    void paletteLimits();
};
