// A run's use of the settings: the four values read at start, and the writes
// of a close (four values, the window's position and two erasures), against
// a small settings file and one of 1 MB, with 11,000 keys of another program
// in a section of their own. A fresh store each time: it reads the file once.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "inictrl.h"

namespace {

QByteArray Content(int foreignKeys) {
    QByteArray content = "[common]\ntongue=1\nlevel=17\nsound=0\n[other]\n";
    content.reserve(foreignKeys * 100 + 64);
    const QByteArray filler(80, 'v');
    for (int i = 0; i < foreignKeys; ++i)
        content += "key" + QByteArray::number(i) + '=' + filler + '\n';
    return content;
}

void Run(bool together) {
    zt::TCKIniCtrl ini;
    benchmark::DoNotOptimize(ini.ReadNumber("common", "tongue", -1));
    benchmark::DoNotOptimize(ini.ReadNumber("common", "level", 1));
    benchmark::DoNotOptimize(ini.ReadText("common", "save", QString()));
    benchmark::DoNotOptimize(ini.ReadFlag("common", "sound", true));
    if (together)
        ini.BeginUpdate();
    ini.WriteFlag("common", "sound", false);
    ini.WriteNumber("common", "level", 18);
    ini.WriteNumber("common", "tongue", 1);
    ini.WriteText("common", "save", "/home/player/noname.ztn");
    ini.WriteText("common", "MainForm", "200,0,1,100,50,626,511");
    ini.EraseValue("common", "MainFormColor");
    ini.EraseValue("common", "MainFormFont");
    if (together)
        ini.EndUpdate();
}

// Arguments: foreign keys, and 1 for one pass, 0 for a rewrite per value.
void BM_RunReadsAndCloses(benchmark::State& state) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    const QString location = zt::TCKIniCtrl().Location();
    QDir().mkpath(QFileInfo(location).path());
    const QByteArray content = Content(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        QFile file(location);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
        file.close();
        state.ResumeTiming();
        Run(state.range(1) != 0);
    }
    state.counters["MB"] = double(content.size()) / 1e6;
}
BENCHMARK(BM_RunReadsAndCloses)
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({11000, 1})
    ->Args({11000, 0})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
