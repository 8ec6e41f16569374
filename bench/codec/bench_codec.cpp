// Codec speed on the game's kind of content, beside memcpy and LZ4 on the
// same bytes; and the time the game spends decoding its five records.
#include "benchcontent.h"
#include "blockcodec.h"
#include "bmp.h"
#include "mediarecord.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <lz4.h>
#include <map>
#include <memory>
#include <string>

using namespace zt;
using zt::bench::GameMedia;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Tile sheet, backdrop and solved sound: the three large items.
const Bytes& Subject(int which) {
    return GameMedia()[which == 2 ? 3 : which].content.bytes;
}

Bytes Packed(const Bytes& content) {
    Bytes out;
    PackStream(content, out);
    return out;
}

Bytes Lz4Packed(const Bytes& content) {
    Bytes out(LZ4_compressBound(static_cast<int>(content.size())));
    const int n = LZ4_compress_default(
        reinterpret_cast<const char*>(content.data()), reinterpret_cast<char*>(out.data()),
        static_cast<int>(content.size()), static_cast<int>(out.size()));
    out.resize(n);
    return out;
}

void SetThroughput(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_UnpackStream(benchmark::State& state) {
    const Bytes& content = Subject(static_cast<int>(state.range(0)));
    const Bytes stream = Packed(content);
    Bytes out;
    out.reserve(content.size() + PackChunk + UnpackSlack);
    for (auto _ : state) {
        out.clear();
        UnpackStream(stream, out);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != content)
        state.SkipWithError("the round trip differs");
    SetThroughput(state, content.size());
}

void BM_PackStream(benchmark::State& state) {
    const Bytes& content = Subject(static_cast<int>(state.range(0)));
    Bytes out;
    for (auto _ : state) {
        out.clear();
        PackStream(content, out);
        benchmark::DoNotOptimize(out.data());
    }
    SetThroughput(state, content.size());
}

void BM_Memcpy(benchmark::State& state) {
    const Bytes& content = Subject(static_cast<int>(state.range(0)));
    Bytes out(content.size());
    for (auto _ : state) {
        std::memcpy(out.data(), content.data(), content.size());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    SetThroughput(state, content.size());
}

void BM_Lz4Decode(benchmark::State& state) {
    const Bytes& content = Subject(static_cast<int>(state.range(0)));
    const Bytes packed = Lz4Packed(content);
    Bytes out(content.size());
    for (auto _ : state) {
        const int n = LZ4_decompress_safe(
            reinterpret_cast<const char*>(packed.data()), reinterpret_cast<char*>(out.data()),
            static_cast<int>(packed.size()), static_cast<int>(out.size()));
        benchmark::DoNotOptimize(n);
    }
    if (out != content)
        state.SkipWithError("the LZ4 round trip differs");
    SetThroughput(state, content.size());
}

void BM_Lz4Encode(benchmark::State& state) {
    const Bytes& content = Subject(static_cast<int>(state.range(0)));
    Bytes out(LZ4_compressBound(static_cast<int>(content.size())));
    for (auto _ : state) {
        const int n = LZ4_compress_default(
            reinterpret_cast<const char*>(content.data()), reinterpret_cast<char*>(out.data()),
            static_cast<int>(content.size()), static_cast<int>(out.size()));
        benchmark::DoNotOptimize(n);
    }
    SetThroughput(state, content.size());
}

std::vector<Bytes> FiveRecords() {
    std::vector<Bytes> records;
    for (const auto& m : GameMedia()) {
        MediaRecord r;
        r.Compressed = true;
        r.Ident = m.ident;
        r.Content = m.content.bytes;
        records.push_back(WriteMediaRecord(r));
    }
    return records;
}

// What the game does at start: read each record, unpacking its content.
void BM_DecodeFiveRecords(benchmark::State& state) {
    const std::vector<Bytes> records = FiveRecords();
    for (auto _ : state)
        for (const Bytes& r : records)
            benchmark::DoNotOptimize(ReadMediaRecord(r).Content.data());
}

// The same, with the three pictures turned into 32-bit pixels as well.
void BM_DecodeFiveRecordsAndPictures(benchmark::State& state) {
    const std::vector<Bytes> records = FiveRecords();
    for (auto _ : state) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            const MediaRecord m = ReadMediaRecord(records[i]);
            if (i < 3) {
                // As the game does: straight into the rows of a fresh image,
                // three bytes a pixel for a 24-bit picture.
                const BmpInfo info = ReadBmpInfo(m.Content);
                const auto width = static_cast<std::size_t>(info.width);
                const std::size_t rowBytes =
                    info.bitsPerPixel == 24 ? (width * 3 + 3) & ~std::size_t{3} : width * 4;
                auto pixels =
                    std::make_unique_for_overwrite<std::uint8_t[]>(rowBytes * info.height);
                if (info.bitsPerPixel == 24)
                    DecodeBmp24Into(m.Content, pixels.get(), rowBytes);
                else
                    DecodeBmpInto(m.Content, reinterpret_cast<std::uint32_t*>(pixels.get()), width);
                benchmark::DoNotOptimize(pixels.get());
            }
        }
    }
}

void Subjects(benchmark::internal::Benchmark* b) {
    b->ArgName("content")->Arg(0)->Arg(1)->Arg(2);
}

} // namespace

BENCHMARK(BM_UnpackStream)->Apply(Subjects);
BENCHMARK(BM_Lz4Decode)->Apply(Subjects);
BENCHMARK(BM_Memcpy)->Apply(Subjects);
BENCHMARK(BM_PackStream)->Apply(Subjects);
BENCHMARK(BM_Lz4Encode)->Apply(Subjects);
BENCHMARK(BM_DecodeFiveRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeFiveRecordsAndPictures)->Unit(benchmark::kMillisecond);

// The decoder's speed as a share of LZ4's, measured pair by pair: short
// stretches of the two decoders take turns, and the median of the ratios of
// neighbouring stretches is the figure. On a shared machine the clock and the
// neighbours' load drift over the seconds that separate the benchmarks above,
// which moves their ratio by a tenth or more; neighbours see the same machine.
double PairedShare(int which, int rounds) {
    using Clock = std::chrono::steady_clock;
    const Bytes& content = Subject(which);
    const Bytes stream = Packed(content);
    const Bytes packed = Lz4Packed(content);
    Bytes ours;
    ours.reserve(content.size() + PackChunk + UnpackSlack);
    Bytes theirs(content.size());
    auto oursOnce = [&] {
        ours.clear();
        UnpackStream(stream, ours);
        benchmark::DoNotOptimize(ours.data());
    };
    auto theirsOnce = [&] {
        const int n = LZ4_decompress_safe(
            reinterpret_cast<const char*>(packed.data()), reinterpret_cast<char*>(theirs.data()),
            static_cast<int>(packed.size()), static_cast<int>(theirs.size()));
        benchmark::DoNotOptimize(n);
    };
    // About half a millisecond of each per stretch.
    const int repeat = std::max<int>(1, static_cast<int>(200000 / content.size()));
    auto stretch = [repeat](auto&& once) {
        const auto t0 = Clock::now();
        for (int i = 0; i < repeat; ++i)
            once();
        return std::chrono::duration<double>(Clock::now() - t0).count();
    };
    for (int i = 0; i < 3; ++i) {
        stretch(oursOnce);
        stretch(theirsOnce);
    }
    std::vector<double> shares;
    for (int r = 0; r < rounds; ++r) {
        const double a = stretch(oursOnce);
        const double b = stretch(theirsOnce);
        shares.push_back(b / a);
    }
    if (ours != content || theirs != content)
        return 0;
    std::nth_element(shares.begin(), shares.begin() + rounds / 2, shares.end());
    return shares[rounds / 2];
}

// Prints, after the table, the decoder's speed as a share of LZ4's on the
// same content: the figure the codec is held to.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            const auto it = run.counters.find("bytes_per_second");
            if (it != run.counters.end())
                speed_[run.run_name.str()] = it->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const char* names[] = {"tile sheet", "backdrop", "solved sound"};
        for (int c = 0; c < 3; ++c) {
            const std::string arg = "/content:" + std::to_string(c);
            const double ours = speed_["BM_UnpackStream" + arg];
            const double lz4 = speed_["BM_Lz4Decode" + arg];
            if (ours > 0 && lz4 > 0)
                std::printf("%-13s UnpackStream %7.0f MB/s = %5.1f %% of LZ4's %7.0f MB/s\n",
                            names[c], ours / 1e6, 100.0 * ours / lz4, lz4 / 1e6);
        }
        std::printf("paired, median of 400 neighbouring stretches:\n");
        for (int c = 0; c < 3; ++c)
            std::printf("%-13s UnpackStream at %5.1f %% of LZ4's speed\n", names[c],
                        100.0 * PairedShare(c, 400));
    }

private:
    std::map<std::string, double> speed_;
};

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("content 0 = tile sheet, 1 = backdrop, 2 = solved sound\n");
    for (std::size_t i = 0; i < GameMedia().size(); ++i) {
        const auto& c = GameMedia()[i].content;
        const std::size_t ours = Packed(c.bytes).size();
        const std::size_t lz4 = Lz4Packed(c.bytes).size();
        std::printf("%-14s %s %9zu bytes, packed %8zu (%4.1f %%), LZ4 %8zu (%4.1f %%)\n",
                    c.name.c_str(), c.fromAssets ? "asset      " : "synthesised", c.bytes.size(),
                    ours, 100.0 * ours / c.bytes.size(), lz4, 100.0 * lz4 / c.bytes.size());
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
