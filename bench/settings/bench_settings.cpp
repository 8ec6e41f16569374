// What the settings cost a run: the reads of start-up and the writes of a
// close, against the file the game itself leaves. A fresh store each time:
// it reads the file once.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "settingsstore.h"

namespace {

void Close(zt::TCKIniCtrl& ini) {
    ini.BeginUpdate();
    ini.WriteFlag("common", "sound", false);
    ini.WriteNumber("common", "level", 18);
    ini.WriteNumber("common", "tongue", 1);
    ini.WriteText("common", "save", "/home/player/Spiele, alte/noname.ztn");
    ini.WriteText("common", "MainForm", "200,0,1,100,50,626,511");
    ini.EraseValue("common", "MainFormColor");
    ini.EraseValue("common", "MainFormFont");
    ini.EndUpdate();
}

void BM_StartReads(benchmark::State& state) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    zt::TCKIniCtrl written;
    Close(written);
    for (auto _ : state) {
        zt::TCKIniCtrl ini;
        benchmark::DoNotOptimize(ini.ReadNumber("common", "tongue", -1));
        benchmark::DoNotOptimize(ini.ReadNumber("common", "level", 1));
        benchmark::DoNotOptimize(ini.ReadText("common", "save", QString()));
        benchmark::DoNotOptimize(ini.ReadFlag("common", "sound", true));
        benchmark::DoNotOptimize(ini.ReadText("common", "MainForm", QString()));
    }
}
BENCHMARK(BM_StartReads)->Unit(benchmark::kMicrosecond);

void BM_CloseWrites(benchmark::State& state) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    for (auto _ : state) {
        zt::TCKIniCtrl ini;
        Close(ini);
    }
}
BENCHMARK(BM_CloseWrites)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
