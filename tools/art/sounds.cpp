#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace art {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

// Small LCG: the noise must be the same on every run.
struct Noise {
    uint32_t state = 0x2545f491u;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 23) - 1.0;
    }
};

// A bell-like voice: a few slightly inharmonic partials, each dying away at its
// own pace, the high ones faster.
double bell(double t, double f) {
    if (t < 0)
        return 0;
    const double attack = std::min(1.0, t / 0.004);
    const double partials[][3] = {
        // ratio, level, decay time
        {1.0, 1.0, 0.9},
        {2.0, 0.38, 0.45},
        {3.01, 0.16, 0.25},
        {4.16, 0.08, 0.12},
    };
    double v = 0;
    for (const auto& p : partials)
        v += p[1] * std::exp(-t / p[2]) * std::sin(kTau * f * p[0] * t);
    return attack * v;
}

// Scales the sound so its loudest sample reaches `peak`, well clear of clipping.
void normalise(std::vector<double>& samples, double peak) {
    double top = 0;
    for (double s : samples)
        top = std::max(top, std::abs(s));
    if (top > 0)
        for (double& s : samples)
            s *= peak / top;
}

void writeLe(QByteArray& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

} // namespace

std::vector<double> MoveSoundSamples() {
    // A soft wooden tick: two damped body resonances struck by a short burst of
    // filtered noise, quiet enough to be heard a thousand times.
    std::vector<double> out(kMoveSamples);
    Noise noise;
    double lowpass = 0;
    for (int i = 0; i < kMoveSamples; ++i) {
        const double t = double(i) / kMoveRate;
        const double attack = std::min(1.0, t / 0.0012);
        lowpass += 0.35 * (noise.next() - lowpass);
        const double strike = lowpass * std::exp(-t / 0.0025);
        const double body = 0.62 * std::exp(-t / 0.011) * std::sin(kTau * 1180 * t) +
                            0.30 * std::exp(-t / 0.006) * std::sin(kTau * 2630 * t + 0.7) +
                            0.16 * std::exp(-t / 0.020) * std::sin(kTau * 610 * t);
        // Fade the last 10 ms to silence so the click never ends with a snap.
        const double tail = std::min(1.0, (kMoveSamples - 1 - i) / (0.010 * kMoveRate));
        out[i] = attack * tail * (body + 0.5 * strike);
    }
    normalise(out, 0.6);
    return out;
}

std::vector<double> SolvedSoundSamples() {
    // A rising major arpeggio of little bells, then a full chord that rings out.
    const double c5 = 523.25, e5 = 659.26, g5 = 783.99, c6 = 1046.50, e6 = 1318.51, g6 = 1567.98;
    struct Note {
        double at, freq, level;
    };
    const Note notes[] = {
        {0.00, c5, 0.55}, {0.13, e5, 0.50}, {0.26, g5, 0.48}, {0.39, c6, 0.46}, {0.52, e6, 0.36},
        {0.65, g6, 0.30}, {0.90, c5, 0.34}, {0.90, e5, 0.30}, {0.90, g5, 0.28}, {0.90, c6, 0.34},
        {1.50, g6, 0.14}, {1.75, e6, 0.12}, {2.00, c6, 0.14},
    };
    const double total = double(kSolvedSamples) / kSolvedRate;
    std::vector<double> out(kSolvedSamples);
    for (int i = 0; i < kSolvedSamples; ++i) {
        const double t = double(i) / kSolvedRate;
        double v = 0;
        for (const Note& n : notes)
            v += n.level * bell(t - n.at, n.freq);
        // A soft pad under the chord, a shimmer that keeps the tail alive.
        const double pad = 0.06 * std::min(1.0, std::max(0.0, (t - 0.9) / 0.4)) *
                           (std::sin(kTau * 261.63 * t) + 0.6 * std::sin(kTau * 392.0 * t));
        v += pad;
        // Swell in over the first 0.2 s and fade out over the last second.
        const double swell = std::min(1.0, t / 0.2);
        const double fade = std::clamp(total - t, 0.0, 1.0);
        const double smoothFade = fade * fade * (3 - 2 * fade);
        out[i] = swell * smoothFade * v;
    }
    normalise(out, 0.85);
    return out;
}

QByteArray WaveFile(const std::vector<double>& samples, int rate) {
    const uint32_t n = uint32_t(samples.size());
    const uint32_t pad = n & 1;
    QByteArray out;
    out.append("RIFF");
    writeLe(out, 36 + n + pad, 4);
    out.append("WAVEfmt ");
    writeLe(out, 16, 4);
    writeLe(out, 1, 2); // PCM
    writeLe(out, 1, 2); // mono
    writeLe(out, uint32_t(rate), 4);
    writeLe(out, uint32_t(rate), 4); // bytes per second: one byte per sample
    writeLe(out, 1, 2);              // block alignment
    writeLe(out, 8, 2);              // bits per sample
    out.append("data");
    writeLe(out, n, 4);
    for (double s : samples) {
        const int v = int(std::lround(128 + 127 * std::clamp(s, -1.0, 1.0)));
        out.append(char(uint8_t(std::clamp(v, 1, 255))));
    }
    if (pad)
        out.append(char(128));
    return out;
}

} // namespace art
