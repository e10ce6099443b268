// SPDX-License-Identifier: GPL-3.0-or-later
#include "synthesis.h"

namespace soundsynth::synthesis
{

// Adds v to sample i; samples outside the signal are dropped.
void addSample(Signal &s, int i, double v)
{
    if (i >= 0 && static_cast<size_t>(i) < s.size())
        s[static_cast<size_t>(i)] += v;
}

void mixInto(Signal &dst, const Signal &src, double gain, int offset)
{
    for (size_t i = 0; i < src.size(); ++i) {
        const size_t j = i + static_cast<size_t>(offset);
        if (j >= dst.size())
            break;
        dst[j] += gain * src[i];
    }
}

// Mono room: parallel damped feedback combs into series all-passes. `size`
// sets the decay (0..1), `damp` the loss of highs, `wet` the mix.
void addReverb(Signal &s, double size, double damp, double wet)
{
    static const int combLengths[] = {557, 593, 641, 677, 709, 743};
    static const int allpassLengths[] = {277, 219, 173};
    const double feedback = 0.7 + 0.28 * size;

    Signal wetSignal(s.size(), 0.0);
    for (const int len : combLengths) {
        std::vector<double> buf(static_cast<size_t>(len), 0.0);
        double store = 0.0;
        size_t idx = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            const double y = buf[idx];
            store = y * (1.0 - damp) + store * damp;
            buf[idx] = 0.06 * s[i] + store * feedback;
            idx = (idx + 1) % buf.size();
            wetSignal[i] += y;
        }
    }
    for (const int len : allpassLengths) {
        std::vector<double> buf(static_cast<size_t>(len), 0.0);
        size_t idx = 0;
        for (double &x : wetSignal) {
            const double b = buf[idx];
            const double y = b - x;
            buf[idx] = x + b * 0.5;
            idx = (idx + 1) % buf.size();
            x = y;
        }
    }
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = (1.0 - 0.5 * wet) * s[i] + wet * wetSignal[i];
}

// ---------------------------------------------------------------- finishing

// RMS of the loud part: all LoudnessBlock blocks within LoudPartRangeDb of the
// loudest block. 0 for silence.
double loudness(const Signal &s)
{
    std::vector<std::pair<double, int>> blocks; // sum of squares, length
    for (size_t start = 0; start < s.size(); start += LoudnessBlock) {
        const size_t end = std::min(s.size(), start + LoudnessBlock);
        double sum = 0.0;
        for (size_t i = start; i < end; ++i)
            sum += s[i] * s[i];
        blocks.emplace_back(sum, static_cast<int>(end - start));
    }
    double loudest = 0.0;
    for (const auto &b : blocks)
        loudest = std::max(loudest, b.first / b.second);
    if (loudest <= 0.0)
        return 0.0;
    const double floor = loudest * dbToGain(-2.0 * LoudPartRangeDb);
    double sum = 0.0;
    long count = 0;
    for (const auto &b : blocks) {
        if (b.first / b.second >= floor) {
            sum += b.first;
            count += b.second;
        }
    }
    return std::sqrt(sum / static_cast<double>(count));
}

// One-pole high-pass at 15 Hz: removes any DC the generators leave behind.
void removeDc(Signal &s)
{
    const double r = 1.0 - TwoPi * 15.0 / Sr;
    double x1 = 0.0, y1 = 0.0;
    for (double &x : s) {
        const double y = x - x1 + r * y1;
        x1 = x;
        y1 = y;
        x = y;
    }
}

// The highest level the signal reaches from sample i to just before sample i + 1 once a player
// reconstructs the wave between the samples: the sample itself and the wave at every eighth of
// the way, by Hann-windowed sinc interpolation over 32 samples each side.
// This is the true peak that a player's converter (and a BS.1770 meter) sees, which can lie
// above every sample where the wave is bright.
std::vector<double> truePeaks(const Signal &s)
{
    constexpr int Taps = 32;
    constexpr int Phases = 8;
    static const std::vector<double> kernel = [] {
        std::vector<double> k;
        for (int p = 1; p < Phases; ++p) {
            const double frac = double(p) / Phases;
            for (int j = -Taps + 1; j <= Taps; ++j) {
                const double x = frac - j; // distance from tap j
                const double sinc = std::sin(Pi * x) / (Pi * x);
                const double window = 0.5 + 0.5 * std::cos(Pi * x / Taps);
                k.push_back(sinc * window);
            }
        }
        return k;
    }();
    const int n = static_cast<int>(s.size());
    std::vector<double> peak(s.size());
    for (int i = 0; i < n; ++i) {
        double a = std::abs(s[i]);
        for (int p = 0; p < Phases - 1; ++p) {
            double v = 0.0;
            const double *k = &kernel[static_cast<size_t>(p * 2 * Taps)];
            for (int j = -Taps + 1; j <= Taps; ++j) {
                const int at = i + j;
                if (at >= 0 && at < n)
                    v += s[static_cast<size_t>(at)] * k[j + Taps - 1];
            }
            a = std::max(a, std::abs(v));
        }
        peak[static_cast<size_t>(i)] = a;
    }
    return peak;
}

// Peak limiter without overshoot: the gain needed at each sample to hold its true peak under
// the ceiling is spread by a minimum filter and then smoothed by a moving average of the same
// radius, so the smoothed gain never exceeds what any peak within reach requires.
void limitPeaks(Signal &s, double ceiling)
{
    constexpr int radius = SampleRate / 500; // 2 ms
    const int n = static_cast<int>(s.size());
    const std::vector<double> peaks = truePeaks(s);
    std::vector<double> need(s.size()), spread(s.size());
    bool any = false;
    for (int i = 0; i < n; ++i) {
        const double a = peaks[static_cast<size_t>(i)];
        need[i] = a > ceiling ? ceiling / a : 1.0;
        any = any || a > ceiling;
    }
    if (!any)
        return;
    for (int i = 0; i < n; ++i) {
        double m = 1.0;
        for (int j = std::max(0, i - radius); j <= std::min(n - 1, i + radius); ++j)
            m = std::min(m, need[j]);
        spread[i] = m;
    }
    for (int i = 0; i < n; ++i) {
        double sum = 0.0;
        for (int j = i - radius; j <= i + radius; ++j)
            sum += (j < 0 || j >= n) ? 1.0 : spread[j];
        s[i] *= sum / (2 * radius + 1);
    }
}

// Raised-cosine fades; the first and last samples become exactly zero.
void fadeEdges(Signal &s, double fadeIn, double fadeOut)
{
    const int n = static_cast<int>(s.size());
    const int in = std::min(n, samplesFor(fadeIn));
    const int out = std::min(n, samplesFor(fadeOut));
    for (int i = 0; i < in; ++i)
        s[i] *= 0.5 - 0.5 * std::cos(Pi * i / in);
    for (int i = 0; i < out; ++i)
        s[n - 1 - i] *= 0.5 - 0.5 * std::cos(Pi * i / out);
}

// Turns a raw effect into what is delivered: no DC, silent edges, the loud
// part at targetDbfs, true peaks held under CeilingDbfs, rounded to 16 bits.
QVector<qint16> finish(Signal s, double targetDbfs)
{
    if (s.empty())
        return {};
    removeDc(s);
    fadeEdges(s, 0.002, 0.010);
    const double target = dbToGain(targetDbfs);
    const double ceiling = dbToGain(CeilingDbfs);
    const double truePeakCeiling = dbToGain(TruePeakDbfs);
    for (int pass = 0; pass < 6; ++pass) {
        const double level = loudness(s);
        if (level <= 0.0)
            break;
        const double gain = target / level;
        if (std::abs(20.0 * std::log10(gain)) < 0.05)
            break;
        for (double &x : s)
            x *= gain;
        limitPeaks(s, truePeakCeiling);
    }
    // The limiter's smoothed gain leaves a trace of overshoot between samples; a last even
    // turn-down of at most a fraction of a decibel takes it away.
    const std::vector<double> peaks = truePeaks(s);
    const double highest = *std::max_element(peaks.begin(), peaks.end());
    if (highest > truePeakCeiling) {
        for (double &x : s)
            x *= truePeakCeiling / highest;
    }
    QVector<qint16> out;
    out.reserve(static_cast<qsizetype>(s.size()));
    for (const double x : s) {
        const double c = std::clamp(x, -ceiling, ceiling);
        out.append(static_cast<qint16>(std::lround(c * 32767.0)));
    }
    return out;
}

} // namespace soundsynth::synthesis
