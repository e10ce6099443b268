// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundsynth.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

// The building blocks every sound effect is made of: a seeded random source, oscillators,
// filters, envelopes, a room, and the finishing that brings an effect to its loudness and under
// its peak ceiling. The recipes (soundrecipes.cpp) combine them.
namespace soundsynth::synthesis
{

constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2.0 * Pi;
constexpr double Sr = SampleRate;

// Loudness target for the loud part of every effect, and the peak ceiling. The eagle that greets
// an ordering screen is an interface sound: a long scream at the celebrations' level would be
// far louder than a click or a key press, so it is made quieter.
constexpr double TargetDbfs = -16.0;
constexpr double EagleDbfs = -26.0;
constexpr double CeilingDbfs = -1.5;
// The ceiling for the wave between the samples is set lower: meters that resample with a
// band-limiting filter of their own read bright sounds (the drumroll's snare) up to about half a
// decibel above the ideal reconstruction, and every reading must stay under -1 dBTP.
constexpr double TruePeakDbfs = -2.0;
// Loudness is measured over blocks of this length; blocks more than
// LoudPartRangeDb below the loudest block are not part of the loud part.
constexpr int LoudnessBlock = SampleRate / 50;
constexpr double LoudPartRangeDb = 20.0;

using Signal = std::vector<double>;

inline double dbToGain(double db)
{
    return std::pow(10.0, db / 20.0);
}

inline int samplesFor(double seconds)
{
    return static_cast<int>(std::lround(seconds * Sr));
}

inline double midiToHz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// 0 → 0, 1 → 1 with zero slope at both ends; clamps outside [0, 1].
inline double smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

inline double lerp(double a, double b, double x)
{
    return a + (b - a) * x;
}

// splitmix64: small, fast and identical on every platform.
class Random
{
public:
    explicit Random(quint64 seed) : state(seed) {}
    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Uniform in [-1, 1).
    double bipolar() { return 2.0 * uniform() - 1.0; }
    int below(int n) { return static_cast<int>(uniform() * n); }

private:
    quint64 state;
};

// FNV-1a over the name's UTF-16 code units: a seed that does not depend on the process.
inline quint64 seedFor(const QString &name)
{
    quint64 h = 0xCBF29CE484222325ull;
    for (const QChar c : name) {
        h ^= c.unicode();
        h *= 0x100000001B3ull;
    }
    return h;
}

// Smooth random value in [-1, 1]: cosine interpolation between random points
// drawn `rate` times a second.
class ValueNoise
{
public:
    ValueNoise(Random &source, double rate)
        : rng(source), step(rate / Sr), from(source.bipolar()), to(source.bipolar())
    {
    }
    double next()
    {
        const double x = (1.0 - std::cos(Pi * pos)) * 0.5;
        const double v = lerp(from, to, x);
        pos += step;
        if (pos >= 1.0) {
            pos -= 1.0;
            from = to;
            to = rng.bipolar();
        }
        return v;
    }

private:
    Random &rng;
    double step;
    double from;
    double to;
    double pos = 0.0;
};

// Zero-delay-feedback state-variable filter; stable for any cutoff below
// Nyquist, so it may be retuned every sample.
class Svf
{
public:
    Svf() = default;
    Svf(double cutoff, double q) { set(cutoff, q); }
    void set(double cutoff, double q)
    {
        const double fc = std::clamp(cutoff, 10.0, 0.45 * Sr);
        g = std::tan(Pi * fc / Sr);
        k = 1.0 / q;
        a1 = 1.0 / (1.0 + g * (g + k));
        a2 = g * a1;
        a3 = g * a2;
    }
    void process(double v0)
    {
        const double v3 = v0 - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        low = v2;
        band = v1;
        high = v0 - k * v1 - v2;
    }
    double lowpass(double x)
    {
        process(x);
        return low;
    }
    double highpass(double x)
    {
        process(x);
        return high;
    }
    // Band-pass with unity gain at the centre frequency.
    double bandpass(double x)
    {
        process(x);
        return k * band;
    }

private:
    double g = 0.0, k = 1.0, a1 = 0.0, a2 = 0.0, a3 = 0.0;
    double ic1 = 0.0, ic2 = 0.0;
    double low = 0.0, band = 0.0, high = 0.0;
};

// Band-limited step correction for oscillators with jumps (polyBLEP).
inline double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

class Sawtooth
{
public:
    explicit Sawtooth(double startPhase = 0.0) : phase(startPhase) {}
    double next(double freq)
    {
        const double dt = freq / Sr;
        const double v = 2.0 * phase - 1.0 - polyBlep(phase, dt);
        phase += dt;
        phase -= std::floor(phase);
        return v;
    }

private:
    double phase;
};

// Pulse wave of the given duty cycle, zero mean.
class Pulse
{
public:
    explicit Pulse(double startPhase = 0.0) : phase(startPhase) {}
    double next(double freq, double width)
    {
        const double dt = freq / Sr;
        double v = phase < width ? 1.0 : -1.0;
        v += polyBlep(phase, dt);
        double t2 = phase + 1.0 - width;
        t2 -= std::floor(t2);
        v -= polyBlep(t2, dt);
        phase += dt;
        phase -= std::floor(phase);
        return v - (2.0 * width - 1.0);
    }

private:
    double phase;
};

// Phase accumulator in cycles; sin(TwoPi * phase) stays continuous under glides.
class Phase
{
public:
    explicit Phase(double start = 0.0) : value(start) {}
    double next(double freq)
    {
        const double v = value;
        value += freq / Sr;
        value -= std::floor(value);
        return v;
    }

private:
    double value;
};

// Attack/hold/release envelope: raised-cosine rise over `attack`, level 1
// until `hold`, then an exponential release with time constant `release`.
inline double envelope(double t, double attack, double hold, double release)
{
    if (t < 0.0)
        return 0.0;
    double e = t < attack ? 0.5 - 0.5 * std::cos(Pi * t / attack) : 1.0;
    if (t > hold)
        e *= std::exp(-(t - hold) / release);
    return e;
}

// Adds v to sample i; samples outside the signal are dropped.
void addSample(Signal &s, int i, double v);

void mixInto(Signal &dst, const Signal &src, double gain, int offset = 0);

// Mono room: parallel damped feedback combs into series all-passes. `size`
// sets the decay (0..1), `damp` the loss of highs, `wet` the mix.
void addReverb(Signal &s, double size, double damp, double wet);

// RMS of the loud part: all LoudnessBlock blocks within LoudPartRangeDb of the
// loudest block. 0 for silence.
double loudness(const Signal &s);

// One-pole high-pass at 15 Hz: removes any DC the generators leave behind.
void removeDc(Signal &s);

// The highest level the signal reaches from sample i to just before sample i + 1 once a player
// reconstructs the wave between the samples: the sample itself and the wave at every eighth of
// the way, by Hann-windowed sinc interpolation over 32 samples each side.
// This is the true peak that a player's converter (and a BS.1770 meter) sees, which can lie
// above every sample where the wave is bright.
std::vector<double> truePeaks(const Signal &s);

// Peak limiter without overshoot: the gain needed at each sample to hold its true peak under
// the ceiling is spread by a minimum filter and then smoothed by a moving average of the same
// radius, so the smoothed gain never exceeds what any peak within reach requires.
void limitPeaks(Signal &s, double ceiling);

// Raised-cosine fades; the first and last samples become exactly zero.
void fadeEdges(Signal &s, double fadeIn, double fadeOut);

// Turns a raw effect into what is delivered: no DC, silent edges, the loud
// part at targetDbfs, true peaks held under CeilingDbfs, rounded to 16 bits.
QVector<qint16> finish(Signal s, double targetDbfs);

} // namespace soundsynth::synthesis
