// The settings writes of a close (four values, the window's position and two
// erasures) against a small settings file and one of 30 MB, with 300,000
// keys of another program in a section of their own.
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

void Close(zt::TCKIniCtrl& ini, bool together) {
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
void BM_CloseWrites(benchmark::State& state) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    zt::TCKIniCtrl ini;
    QDir().mkpath(QFileInfo(ini.Location()).path());
    const QByteArray content = Content(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        QFile file(ini.Location());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
        file.close();
        state.ResumeTiming();
        Close(ini, state.range(1) != 0);
    }
    state.counters["MB"] = double(content.size()) / 1e6;
}
BENCHMARK(BM_CloseWrites)
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({300000, 1})
    ->Args({300000, 0})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
