// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundrecipes.h"

namespace soundsynth::recipes
{

using namespace synthesis;

namespace
{

// ---------------------------------------------------------------- short effects

// A soft tick: a short band of noise around 2.6 kHz over a small damped body.
Signal click(Random &rng)
{
    Signal s(static_cast<size_t>(samplesFor(0.06)));
    Svf band(2600.0, 1.4);
    Svf soften(6000.0, 0.7);
    const int onset = samplesFor(0.002);
    for (size_t i = static_cast<size_t>(onset); i < s.size(); ++i) {
        const double t = (static_cast<int>(i) - onset) / Sr;
        const double noise = band.bandpass(rng.bipolar()) * std::exp(-t / 0.003);
        const double body = 0.35 * std::exp(-t / 0.004) * std::sin(TwoPi * 1150.0 * t) +
                            0.25 * std::exp(-t / 0.003) * std::sin(TwoPi * 2300.0 * t + 0.5);
        s[i] = soften.lowpass(2.5 * noise + body);
    }
    return s;
}

// A key going down (bright plastic clack over a low thock) and coming back up.
Signal typekey(Random &rng)
{
    Signal s(static_cast<size_t>(samplesFor(0.17)));
    auto strike = [&](double at, double amp, double pitch) {
        Svf band(3400.0 * pitch, 2.0);
        const int start = samplesFor(at);
        const int len = samplesFor(0.07);
        for (int j = 0; j < len && start + j < static_cast<int>(s.size()); ++j) {
            const double t = j / Sr;
            const double noise = band.bandpass(rng.bipolar()) * std::exp(-t / 0.003);
            const double ring = 0.5 * std::exp(-t / 0.008) * std::sin(TwoPi * 1750.0 * pitch * t) +
                                0.3 * std::exp(-t / 0.005) * std::sin(TwoPi * 2950.0 * pitch * t) +
                                0.3 * std::exp(-t / 0.01) * std::sin(TwoPi * 270.0 * pitch * t);
            addSample(s, start + j, amp * (1.8 * noise + ring));
        }
    };
    strike(0.002, 1.0, 1.0);
    strike(0.092, 0.45, 1.12);
    return s;
}

// Something soft landing on a table: a low thump falling in pitch, a puff of
// low noise and a faint tap so that small speakers still carry it.
Signal thud(Random &rng)
{
    Signal s(static_cast<size_t>(samplesFor(0.26)));
    Svf low(700.0, 0.7);
    Phase phase;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / Sr;
        const double f = 70.0 + (180.0 - 70.0) * std::exp(-t / 0.025);
        const double p = TwoPi * phase.next(f);
        const double tone = (std::sin(p) + 0.45 * std::sin(2.0 * p) + 0.2 * std::sin(3.0 * p)) *
                            std::exp(-t / 0.05);
        const double puff = low.lowpass(rng.bipolar()) * std::exp(-t / 0.02);
        const double tap = 0.2 * std::exp(-t / 0.005) * std::sin(TwoPi * 900.0 * t);
        s[i] = tone + 3.5 * puff + tap;
    }
    return s;
}

// A raptor's scream: a hoarse, rasping whistle that leaps up to ~2.9 kHz and
// slides down, with a little sky around it.
Signal eagle(Random &rng)
{
    const double len = 1.2;
    Signal s(static_cast<size_t>(samplesFor(1.42)));
    ValueNoise jitter(rng, 45.0);
    ValueNoise rasp(rng, 160.0);
    Svf hoarse;
    Phase phase;
    for (int i = 0; i < samplesFor(len); ++i) {
        const double t = i / Sr;
        double f;
        if (t < 0.08)
            f = 2100.0 + 800.0 * smoothStep(t / 0.08);
        else if (t < 0.5)
            f = 2900.0 - 350.0 * (t - 0.08) / 0.42;
        else
            f = 2550.0 - 850.0 * std::pow((t - 0.5) / (len - 0.5), 1.3);
        f *= 1.0 + 0.015 * jitter.next();
        const double p = TwoPi * phase.next(f);
        const double tone =
            std::sin(p) + 0.4 * std::sin(2.0 * p + 0.3) + 0.15 * std::sin(3.0 * p + 1.1);
        const double roughness = 1.0 + 0.55 * rasp.next();
        hoarse.set(f, 6.0);
        const double breath = hoarse.bandpass(rng.bipolar());
        double env = envelope(t, 0.03, len, 1.0);
        env *= t < 0.15 ? lerp(0.7, 1.0, t / 0.15) : lerp(1.0, 0.65, smoothStep((t - 0.15) / 0.75));
        env *= 1.0 - smoothStep((t - (len - 0.3)) / 0.3);
        addSample(s, i, env * (0.8 * tone * roughness + 1.2 * breath));
    }
    addReverb(s, 0.5, 0.5, 0.18);
    return s;
}

// ---------------------------------------------------------------- brass fanfares

struct Chord {
    double at;
    double dur;
    std::vector<int> notes; // MIDI note numbers, first one loudest
};

// A brass section note: three slightly detuned players on a band-limited
// sawtooth, each through a low-pass whose cutoff opens with the loudness (the
// brass "blare"), with a small pitch scoop into the note and late vibrato.
void addBrass(Signal &s, Random &rng, double at, double dur, double freq, double amp,
              double brightness)
{
    constexpr double release = 0.07;
    for (int player = 0; player < 3; ++player) {
        Sawtooth saw(rng.uniform());
        Svf tone;
        const double cents = (player - 1) * 6.0 + rng.range(-1.5, 1.5);
        const double base = freq * std::pow(2.0, cents / 1200.0);
        const double vibRate = rng.range(4.8, 5.8);
        const int start = samplesFor(at + rng.range(0.0, 0.012));
        const int len = samplesFor(dur + 5.0 * release);
        for (int j = 0; j < len && start + j < static_cast<int>(s.size()); ++j) {
            const double t = j / Sr;
            double e = 1.0 - std::exp(-t / 0.012);
            e += 0.18 * std::exp(-t / 0.07) * (1.0 - std::exp(-t / 0.01));
            if (t > dur)
                e *= std::exp(-(t - dur) / release);
            const double vib = 0.004 * smoothStep((t - 0.25) / 0.3) * std::sin(TwoPi * vibRate * t);
            const double f = base * (1.0 - 0.025 * std::exp(-t / 0.025)) * (1.0 + vib);
            tone.set(f * (1.2 + brightness * std::pow(std::min(e, 1.0), 1.5)), 0.9);
            addSample(s, start + j, amp * e * tone.lowpass(saw.next(f)) / 3.0);
        }
    }
}

void playChords(Signal &s, Random &rng, const std::vector<Chord> &chords, double brightness)
{
    for (const Chord &c : chords) {
        for (size_t n = 0; n < c.notes.size(); ++n) {
            const double amp = n == 0 ? 1.0 : 0.55;
            addBrass(s, rng, c.at, c.dur, midiToHz(c.notes[n]), amp, brightness);
        }
    }
}

// A timpani stroke: a low membrane tone settling onto its pitch, with a felt hit.
void addTimpani(Signal &s, Random &rng, double at, double freq, double amp)
{
    Svf felt(700.0, 0.7);
    Phase phase;
    const int start = samplesFor(at);
    for (int j = 0; start + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        const double f = freq * (1.0 + 0.08 * std::exp(-t / 0.03));
        const double p = TwoPi * phase.next(f);
        const double tone = (std::sin(p) + 0.5 * std::sin(1.5 * p) + 0.25 * std::sin(1.98 * p)) *
                            std::exp(-t / 0.45);
        const double hit = felt.lowpass(rng.bipolar()) * std::exp(-t / 0.012);
        addSample(s, start + j, amp * (tone + 2.0 * hit));
    }
}

// Bright trumpet call in C major climbing the triad G-C-E-G, ending on a held
// C major chord.
Signal fanfare2(Random &rng)
{
    Signal s(static_cast<size_t>(samplesFor(2.9)));
    const std::vector<Chord> call = {
        {0.00, 0.13, {67}},     {0.16, 0.13, {72}}, {0.32, 0.13, {76}},
        {0.48, 0.40, {79, 72}}, {0.94, 0.13, {76}}, {1.10, 1.45, {79, 72, 67, 64, 60}},
    };
    playChords(s, rng, call, 9.0);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] *= 1.0 + 0.25 * smoothStep((i / Sr - 1.3) / 1.0);
    addReverb(s, 0.7, 0.4, 0.22);
    return s;
}

// Darker horn and trombone fanfare in F major, in block triads with a dotted
// rhythm, landing on a full F major chord over a timpani stroke.
Signal fanfare3(Random &rng)
{
    Signal s(static_cast<size_t>(samplesFor(2.95)));
    const std::vector<Chord> call = {
        {0.00, 0.20, {72, 69, 65}}, {0.27, 0.08, {72, 69, 65}}, {0.38, 0.40, {77, 72, 69}},
        {0.85, 0.20, {76, 72, 67}}, {1.12, 0.08, {76, 72, 67}}, {1.24, 1.35, {77, 72, 69, 65, 53}},
    };
    playChords(s, rng, call, 5.0);
    addTimpani(s, rng, 0.0, midiToHz(41), 0.3);
    addTimpani(s, rng, 1.24, midiToHz(41), 0.45);
    addReverb(s, 0.8, 0.35, 0.25);
    return s;
}

// ---------------------------------------------------------------- flute

// A short flute phrase in G major: an almost pure tone with a little second and
// third harmonic, breath noise, a chiff on tongued notes and vibrato on held ones.
Signal flute(Random &rng)
{
    struct Note {
        double at;
        double dur;
        int midi;
        bool tongued;
    };
    const std::vector<Note> phrase = {
        {0.00, 0.22, 74, true},  {0.24, 0.22, 79, true},  {0.48, 0.22, 83, true},
        {0.72, 0.16, 81, false}, {0.88, 0.16, 79, false}, {1.06, 0.24, 81, true},
        {1.32, 1.05, 79, true},
    };
    const double end = phrase.back().at + phrase.back().dur;
    Signal s(static_cast<size_t>(samplesFor(end + 0.35)));
    Svf breathBand;
    Svf hiss(3500.0, 0.7);
    Svf chiffBand(4500.0, 0.8);
    Phase phase;
    double pitch = std::log(midiToHz(phrase.front().midi));
    double level = 0.0;
    const double pitchCoef = 1.0 - std::exp(-1.0 / (0.012 * Sr));
    const double levelCoef = 1.0 - std::exp(-1.0 / (0.008 * Sr));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / Sr;
        const Note *note = &phrase.front();
        for (const Note &n : phrase) {
            if (t >= n.at)
                note = &n;
        }
        const double sinceOnset = t - note->at;
        double targetLevel = t < end ? 1.0 : 0.0;
        if (note->tongued && sinceOnset < 0.02)
            targetLevel = 0.15;
        if (t < end && t > note->at + note->dur)
            targetLevel = 0.15;
        // The last note swells a little and then dies away.
        if (note == &phrase.back() && t < end)
            targetLevel *= 1.0 + 0.15 * std::sin(Pi * std::min(1.0, sinceOnset / note->dur)) -
                           0.5 * smoothStep((sinceOnset - 0.6) / 0.45);
        level += levelCoef * (targetLevel - level);
        pitch += pitchCoef * (std::log(midiToHz(note->midi)) - pitch);
        const double vibDepth = 0.006 * smoothStep((sinceOnset - 0.15) / 0.3);
        const double vib = std::sin(TwoPi * 5.2 * t);
        const double f = std::exp(pitch) * (1.0 + vibDepth * vib);
        const double p = TwoPi * phase.next(f);
        const double tone = std::sin(p) + 0.22 * std::sin(2.0 * p + 0.4) +
                            0.08 * std::sin(3.0 * p + 0.9) + 0.03 * std::sin(4.0 * p + 1.3);
        breathBand.set(f, 4.0);
        const double breath =
            0.8 * breathBand.bandpass(rng.bipolar()) + 0.08 * hiss.highpass(rng.bipolar());
        const double chiff = note->tongued
                                 ? 0.5 * chiffBand.bandpass(rng.bipolar()) *
                                       std::exp(-std::max(0.0, sinceOnset - 0.02) / 0.015) *
                                       (sinceOnset >= 0.0 && sinceOnset < 0.1 ? 1.0 : 0.0)
                                 : 0.0;
        const double tremolo = 1.0 + 4.0 * vibDepth * vib;
        s[i] = level * (tone * tremolo + breath) + chiff;
    }
    addReverb(s, 0.6, 0.5, 0.15);
    return s;
}

// ---------------------------------------------------------------- gong

// A large gong: inharmonic partials, the lowest beating slowly and ringing
// longest, a shimmer of high partials that blooms after the strike, and the
// thump of a felt beater.
Signal gong(Random &rng)
{
    const double len = 3.0;
    Signal s(static_cast<size_t>(samplesFor(len)));
    struct Partial {
        double ratio, amp, tau;
    };
    const Partial partials[] = {
        {1.000, 0.70, 2.8}, {1.004, 0.40, 2.8}, {1.47, 0.70, 2.2}, {2.09, 0.80, 1.8},
        {2.56, 0.70, 1.6},  {2.98, 0.70, 1.4},  {3.42, 0.60, 1.3}, {4.07, 0.55, 1.1},
        {4.83, 0.50, 1.0},  {5.51, 0.45, 0.9},  {6.36, 0.40, 0.8}, {7.19, 0.35, 0.7},
        {8.73, 0.30, 0.6},  {10.1, 0.25, 0.5},  {12.6, 0.20, 0.4},
    };
    const double f0 = 118.0;
    for (const Partial &pt : partials) {
        const double start = rng.uniform();
        Phase phase(start);
        // Low partials sag a touch in pitch as the plate settles.
        const double sag = pt.ratio < 3.0 ? 0.006 : 0.0;
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = i / Sr;
            const double f = f0 * pt.ratio * (1.0 + sag * std::exp(-t / 0.4));
            s[i] += pt.amp * std::exp(-t / pt.tau) * std::sin(TwoPi * phase.next(f));
        }
    }
    for (int k = 0; k < 30; ++k) {
        const double f = rng.range(700.0, 3500.0);
        const double amp = rng.range(0.08, 0.18);
        const double bloom = rng.range(0.2, 0.6);
        Phase phase(rng.uniform());
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = i / Sr;
            s[i] += amp * (1.0 - std::exp(-t / bloom)) * std::exp(-t / 1.2) *
                    std::sin(TwoPi * phase.next(f));
        }
    }
    Svf felt(1200.0, 0.7);
    for (int i = 0; i < samplesFor(0.1); ++i) {
        const double t = i / Sr;
        addSample(s, i, 2.5 * felt.lowpass(rng.bipolar()) * std::exp(-t / 0.015));
    }
    for (size_t i = 0; i < s.size(); ++i)
        s[i] *= 1.0 - smoothStep((i / Sr - (len - 0.7)) / 0.7);
    return s;
}

// ---------------------------------------------------------------- horns

// One "aa-oo-gah" of a motor horn: a buzzing pulse wave whose pitch winds up
// and drops, shaped by vowel-like resonances moving aa → oo → ah.
void addKlaxonCall(Signal &s, Random &rng, double at)
{
    const double len = 0.92;
    Pulse buzz(rng.uniform());
    Svf f1, f2;
    Svf horn(1700.0, 3.0);
    ValueNoise wobble(rng, 30.0);
    const int start = samplesFor(at);
    const int n = samplesFor(len + 0.15);
    for (int j = 0; j < n && start + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        double f, v1, v2;
        if (t < 0.38) {
            f = lerp(150.0, 480.0, std::pow(smoothStep(t / 0.38), 0.8));
            const double x = smoothStep((t - 0.12) / 0.26);
            v1 = lerp(800.0, 380.0, x);
            v2 = lerp(1250.0, 850.0, x);
        } else if (t < 0.62) {
            f = 480.0 + 15.0 * (t - 0.38) / 0.24;
            v1 = 380.0;
            v2 = 850.0;
        } else {
            const double x = smoothStep((t - 0.62) / 0.08);
            f = lerp(495.0, 330.0, smoothStep((t - 0.62) / 0.28));
            v1 = lerp(380.0, 820.0, x);
            v2 = lerp(850.0, 1300.0, x);
        }
        f *= 1.0 + 0.01 * wobble.next();
        f1.set(v1, 5.0);
        f2.set(v2, 6.0);
        const double src = buzz.next(f, 0.25) * (1.0 + 0.3 * std::sin(TwoPi * 32.0 * t));
        double env = envelope(t, 0.04, len, 0.03);
        // The hard "g": a brief dip before the final syllable.
        env *= 1.0 - 0.5 * std::exp(-std::pow((t - 0.625) / 0.012, 2.0));
        const double y =
            1.0 * f1.bandpass(src) + 0.7 * f2.bandpass(src) + 0.35 * horn.bandpass(src);
        addSample(s, start + j, env * y);
    }
}

Signal klaxon(Random &rng)
{
    Signal s(static_cast<size_t>(samplesFor(2.35)));
    addKlaxonCall(s, rng, 0.0);
    addKlaxonCall(s, rng, 1.15);
    addReverb(s, 0.4, 0.5, 0.1);
    return s;
}

// One squeeze of a bulb horn: a nasal reed buzz that jumps up to pitch, trembles
// and lifts a little at the end.
void addHonk(Signal &s, Random &rng, double at, double dur, double freq)
{
    Pulse reed(rng.uniform());
    Svf bell1(1500.0, 3.0), bell2(3100.0, 4.0), body(4500.0, 0.7);
    ValueNoise jitter(rng, 60.0);
    ValueNoise rough(rng, 120.0);
    const int start = samplesFor(at);
    const int n = samplesFor(dur + 0.2);
    for (int j = 0; j < n && start + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        double f = freq * (1.0 - 0.18 * std::exp(-t / 0.015));
        f *= 1.0 + 0.03 * smoothStep((t - (dur - 0.06)) / 0.06);
        f *= 1.0 + 0.012 * jitter.next();
        const double src = reed.next(f, 0.18) * (1.0 + 0.15 * rough.next());
        const double y = bell1.bandpass(src) + 0.6 * bell2.bandpass(src) + 0.3 * body.lowpass(src);
        addSample(s, start + j, envelope(t, 0.012, dur, 0.04) * y);
    }
}

// A slide whistle swooping up from f1 to f2, breathy, with a little vibrato at the top.
void addSlideWhistle(Signal &s, Random &rng, double at, double dur, double f1, double f2)
{
    Phase phase(rng.uniform());
    Svf air(f2, 2.0);
    const int start = samplesFor(at);
    for (int j = 0; j < samplesFor(dur + 0.05) && start + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        const double x = smoothStep(t / dur);
        const double f = f1 * std::pow(f2 / f1, x) * (1.0 + 0.01 * x * std::sin(TwoPi * 7.0 * t));
        const double y = std::sin(TwoPi * phase.next(f)) + 0.2 * air.bandpass(rng.bipolar());
        addSample(s, start + j, 0.35 * envelope(t, 0.02, dur, 0.02) * y);
    }
}

// A cheerful circus "ta-da": bulb-horn honks climbing a G major arpeggio, a slide whistle
// swooping up, and a last honk held on the top G.
Signal clown(Random &rng)
{
    Signal s(static_cast<size_t>(samplesFor(1.6)));
    addHonk(s, rng, 0.00, 0.13, midiToHz(67));
    addHonk(s, rng, 0.17, 0.13, midiToHz(71));
    addHonk(s, rng, 0.34, 0.13, midiToHz(74));
    addSlideWhistle(s, rng, 0.52, 0.32, 700.0, 1900.0);
    addHonk(s, rng, 0.92, 0.42, midiToHz(79));
    addReverb(s, 0.3, 0.5, 0.08);
    return s;
}

// ---------------------------------------------------------------- sci-fi and fireworks

// "Pew": a ringing tone gliding exponentially from f1 to f2.
void addPew(Signal &s, double at, double f1, double f2, double len)
{
    Phase phase;
    const int start = samplesFor(at);
    for (int j = 0; j < samplesFor(len) && start + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        const double f = f1 * std::pow(f2 / f1, t / len);
        const double p = TwoPi * phase.next(f);
        const double ring = 1.2 * std::exp(-t / 0.05);
        const double tone = std::sin(p + ring * std::sin(1.5 * p)) + 0.3 * std::sin(2.0 * p);
        double env = (1.0 - std::exp(-t / 0.002)) * std::exp(-t / (0.8 * len));
        env *= 1.0 - smoothStep((t - (len - 0.02)) / 0.02);
        addSample(s, start + j, env * tone);
    }
}

// Three power-up zaps, each climbing higher than the last.
Signal laser(Random &)
{
    Signal s(static_cast<size_t>(samplesFor(1.25)));
    addPew(s, 0.00, 200.0, 1800.0, 0.24);
    addPew(s, 0.30, 260.0, 2400.0, 0.24);
    addPew(s, 0.60, 320.0, 3200.0, 0.30);
    addReverb(s, 0.5, 0.3, 0.2);
    return s;
}

// A firework whistle climbing from 700 Hz to 3.4 kHz over a hiss of burning
// fuel, then the pop and crackle of the burst.
Signal whizz(Random &rng)
{
    const double climb = 1.45;
    Signal s(static_cast<size_t>(samplesFor(2.45)));
    ValueNoise turbulence(rng, 25.0);
    Svf hiss(3500.0, 0.7);
    Phase phase;
    for (int i = 0; i < samplesFor(climb + 0.15); ++i) {
        const double t = i / Sr;
        const double x = std::min(t, climb) / climb;
        const double f =
            700.0 * std::pow(3400.0 / 700.0, std::pow(x, 1.3)) * (1.0 + 0.015 * turbulence.next());
        const double p = TwoPi * phase.next(f);
        const double env = envelope(t, 0.15, climb, 0.025) * lerp(0.6, 1.0, x);
        addSample(
            s, i,
            env * (std::sin(p) + 0.15 * std::sin(2.0 * p) + 0.4 * hiss.highpass(rng.bipolar())));
    }
    // The burst.
    Svf bang(1000.0, 0.7);
    const int burst = samplesFor(climb + 0.07);
    for (int j = 0; burst + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        const double y = 6.0 * bang.lowpass(rng.bipolar()) * std::exp(-t / 0.05) +
                         0.8 * std::sin(TwoPi * 110.0 * t) * std::exp(-t / 0.05);
        addSample(s, burst + j, y);
    }
    // Crackle: sparse sparks, fading.
    Svf spark(5000.0, 0.8);
    Signal sparks(s.size(), 0.0);
    for (int k = 0; k < 45; ++k) {
        const double at = climb + 0.15 + 0.75 * std::pow(rng.uniform(), 1.5);
        const double amp = rng.range(0.3, 1.0) * (1.0 - (at - climb) / 1.0);
        const int start = samplesFor(at);
        for (int j = 0; j < samplesFor(0.004) && start + j < static_cast<int>(s.size()); ++j)
            addSample(sparks, start + j, amp * rng.bipolar() * std::exp(-j / (0.0008 * Sr)));
    }
    for (size_t i = 0; i < s.size(); ++i)
        s[i] += 4.0 * spark.bandpass(sparks[i]);
    addReverb(s, 0.7, 0.4, 0.2);
    return s;
}

// ---------------------------------------------------------------- drums

// A snare drum roll swelling for 1.8 s, ending on a bass drum and a crash cymbal.
Signal drumroll(Random &rng)
{
    const double rollEnd = 1.78;
    Signal s(static_cast<size_t>(samplesFor(3.0)));
    Svf wires(1800.0, 0.6);
    Svf wiresTop(7000.0, 0.7);
    Signal wireHits(s.size(), 0.0);
    auto snare = [&](double at, double amp) {
        const int start = samplesFor(at);
        for (int j = 0; j < samplesFor(0.2) && start + j < static_cast<int>(s.size()); ++j) {
            const double t = j / Sr;
            const double head = 0.5 * std::exp(-t / 0.04) * std::sin(TwoPi * 185.0 * t) +
                                0.3 * std::exp(-t / 0.025) * std::sin(TwoPi * 330.0 * t);
            addSample(s, start + j, amp * head);
            addSample(wireHits, start + j, amp * rng.bipolar() * std::exp(-t / 0.06));
        }
    };
    int stroke = 0;
    for (double t = 0.0; t < rollEnd; t += 1.0 / 28.0) {
        const double swell = lerp(0.25, 1.0, std::pow(t / rollEnd, 1.6));
        const double accent = stroke % 2 == 0 ? 1.0 : 0.85;
        snare(t + rng.range(-0.002, 0.002), swell * accent * rng.range(0.9, 1.1));
        ++stroke;
    }
    snare(rollEnd, 1.3);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] += 1.6 * wiresTop.lowpass(wires.highpass(wireHits[i]));

    // Bass drum under the crash.
    const int hit = samplesFor(rollEnd);
    Phase kick;
    for (int j = 0; j < samplesFor(0.6) && hit + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        const double f = 55.0 + 60.0 * std::exp(-t / 0.03);
        addSample(s, hit + j, 1.2 * std::exp(-t / 0.15) * std::sin(TwoPi * kick.next(f)));
    }
    // Crash cymbal: a metallic cluster of square waves at inharmonic ratios and
    // bright noise, band-limited to the upper register.
    const double metal[] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    std::vector<Pulse> squares;
    for (int k = 0; k < 6; ++k)
        squares.emplace_back(rng.uniform());
    Svf metalBand(3400.0, 1.0), metalHigh(6500.0, 0.7), noiseHigh(4000.0, 0.7);
    for (int j = 0; hit + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        double cluster = 0.0;
        for (int k = 0; k < 6; ++k)
            cluster += squares[static_cast<size_t>(k)].next(metal[k] * 2.3, 0.5);
        const double tone = metalBand.bandpass(cluster) + 0.7 * metalHigh.highpass(cluster);
        const double env =
            (1.0 - std::exp(-t / 0.002)) * (0.7 * std::exp(-t / 0.5) + 0.3 * std::exp(-t / 0.08));
        addSample(s, hit + j, env * (0.12 * tone + 1.1 * noiseHigh.highpass(rng.bipolar())));
    }
    for (size_t i = 0; i < s.size(); ++i)
        s[i] *= 1.0 - smoothStep((i / Sr - 2.5) / 0.5);
    addReverb(s, 0.6, 0.4, 0.15);
    return s;
}

// ---------------------------------------------------------------- crowds

// Applause: each clapper claps at its own rate; a clap is a burst of noise
// through that person's hand resonance.
Signal applause(Random &rng, double length, int clappers, double rateLo, double rateHi,
                double fadeIn, double fadeOut)
{
    Signal s(static_cast<size_t>(samplesFor(length)));
    Signal excitation(s.size());
    for (int c = 0; c < clappers; ++c) {
        std::fill(excitation.begin(), excitation.end(), 0.0);
        const double fc = rng.range(700.0, 2300.0);
        Svf hands(fc, rng.range(0.9, 1.8));
        Svf cupped(fc * 1.8, 2.0);
        const double tau = rng.range(0.004, 0.009);
        const double amp = rng.range(0.5, 1.0);
        const double period = 1.0 / rng.range(rateLo, rateHi);
        const double stop = length - fadeOut * rng.range(0.1, 1.0);
        for (double t = rng.range(0.0, fadeIn * 1.3); t < stop; t += period * rng.range(0.9, 1.1)) {
            const int start = samplesFor(t);
            const double strength = amp * rng.range(0.7, 1.0);
            for (int j = 0; j < samplesFor(0.03) && start + j < static_cast<int>(s.size()); ++j)
                addSample(excitation, start + j,
                          strength * rng.bipolar() * std::exp(-j / (tau * Sr)));
        }
        for (size_t i = 0; i < s.size(); ++i)
            s[i] += hands.bandpass(excitation[i]) + 0.4 * cupped.bandpass(excitation[i]);
    }
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = i / Sr;
        s[i] *= smoothStep(t / fadeIn) * (1.0 - smoothStep((t - (length - fadeOut)) / fadeOut));
    }
    return s;
}

// A few friends clapping: individual claps can be picked out.
Signal clap2(Random &rng)
{
    Signal s = applause(rng, 2.7, 6, 3.6, 5.0, 0.1, 0.9);
    addReverb(s, 0.4, 0.5, 0.15);
    return s;
}

// A hall full of applause: dense, even, with a longer room.
Signal clap3(Random &rng)
{
    Signal s = applause(rng, 3.0, 40, 4.0, 6.2, 0.35, 1.0);
    addReverb(s, 0.8, 0.4, 0.3);
    return s;
}

struct Vowel {
    double f1, f2, f3;
};
constexpr Vowel Ah{750.0, 1150.0, 2500.0};
constexpr Vowel Oh{520.0, 900.0, 2450.0};
constexpr Vowel Oo{330.0, 850.0, 2300.0};
constexpr Vowel Ay{480.0, 1900.0, 2550.0};
constexpr Vowel Ee{300.0, 2250.0, 2950.0};
constexpr Vowel Rr{450.0, 1200.0, 1600.0};

struct Shout {
    double at;
    double dur;
    double pitch;    // Hz at the start
    double rise;     // relative pitch rise at the top of the shout
    double formants; // scale of the vowel resonances (1 adult man, up to 1.25 child)
    std::vector<Vowel> vowels;
    double amp;
};

// One voice shouting: a band-limited sawtooth with a breath of air, whose pitch lifts and falls
// with a singer's vibrato, through three formant resonances gliding along the vowel path.
void addShout(Signal &s, Random &rng, const Shout &sh)
{
    Sawtooth glottis(rng.uniform());
    Svf r1, r2, r3, chest;
    ValueNoise drift(rng, 8.0);
    const double vibratoRate = rng.range(5.0, 6.5);
    const double vibratoPhase = rng.uniform();
    const int start = samplesFor(sh.at);
    const int n = samplesFor(sh.dur + 0.2);
    const double segments = static_cast<double>(sh.vowels.size() - 1);
    for (int j = 0; j < n && start + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        const double x = std::min(1.0, t / sh.dur);
        const double vibrato =
            0.015 * smoothStep(t / 0.25) * std::sin(TwoPi * (vibratoRate * t + vibratoPhase));
        const double f = sh.pitch * (1.0 + sh.rise * std::sin(Pi * std::pow(x, 0.7))) *
                         (1.0 + 0.01 * drift.next() + vibrato);
        Vowel v = sh.vowels.front();
        if (segments > 0) {
            const double pos = x * segments;
            const size_t k = std::min(static_cast<size_t>(pos), sh.vowels.size() - 2);
            const double y = smoothStep(pos - k);
            const Vowel &a = sh.vowels[k], &b = sh.vowels[k + 1];
            v = {lerp(a.f1, b.f1, y), lerp(a.f2, b.f2, y), lerp(a.f3, b.f3, y)};
        }
        r1.set(v.f1 * sh.formants, 5.0);
        r2.set(v.f2 * sh.formants, 8.0);
        r3.set(v.f3 * sh.formants, 10.0);
        chest.set(2.5 * f, 0.7);
        const double src = glottis.next(f) + 0.04 * rng.bipolar();
        const double y = r1.bandpass(src) + 0.6 * r2.bandpass(src) + 0.25 * r3.bandpass(src) +
                         0.35 * chest.lowpass(src);
        addSample(s, start + j, sh.amp * envelope(t, 0.06, sh.dur, 0.08) * y);
    }
}

// A random member of a crowd: a man, a woman or a child.
Shout randomVoice(Random &rng, double at, double dur, double rise, std::vector<Vowel> vowels,
                  double amp)
{
    const int who = rng.below(3);
    const double pitch = who == 0 ? rng.range(150.0, 210.0)
                                  : (who == 1 ? rng.range(250.0, 330.0) : rng.range(300.0, 420.0));
    const double formants = who == 0 ? 1.0 : (who == 1 ? 1.15 : 1.25);
    return {at, dur, pitch, rise, formants, std::move(vowels), amp};
}

// A shrill two-finger whistle.
void addWhistle(Signal &s, Random &rng, double at, double dur, double freq)
{
    Phase phase(rng.uniform());
    ValueNoise wobble(rng, 6.0);
    Svf air(freq, 3.0);
    const int start = samplesFor(at);
    for (int j = 0; j < samplesFor(dur + 0.1) && start + j < static_cast<int>(s.size()); ++j) {
        const double t = j / Sr;
        const double f = freq * (1.0 - 0.2 * std::exp(-t / 0.04)) * (1.0 + 0.01 * wobble.next());
        const double y = std::sin(TwoPi * phase.next(f)) + 0.3 * air.bandpass(rng.bipolar());
        addSample(s, start + j, 0.3 * envelope(t, 0.03, dur, 0.04) * y);
    }
}

// Band-limited roar under the voices of a crowd.
void addCrowdBed(Signal &s, Random &rng, double level, const std::function<double(double)> &shape)
{
    Svf band(900.0, 0.7);
    Svf presence(2200.0, 1.0);
    ValueNoise surge(rng, 3.0);
    for (size_t i = 0; i < s.size(); ++i) {
        const double n = rng.bipolar();
        const double y = band.bandpass(n) + 0.4 * presence.bandpass(n);
        s[i] += level * shape(i / Sr) * (1.0 + 0.25 * surge.next()) * y;
    }
}

// People close by cheering "hooray!", "yay!", "woo!", with whistles and clapping.
Signal cheer(Random &rng)
{
    const double length = 2.9;
    Signal s(static_cast<size_t>(samplesFor(length)));
    const std::vector<std::vector<Vowel>> words = {
        {Oo, Oo, Rr, Ay, Ee}, // hooray
        {Ee, Ay, Ay},         // yay
        {Oo, Oo, Oo},         // woo
        {Ee, Ah, Ah},         // yeah
    };
    // Few enough voices that each can be heard; the roar and the clapping stay underneath.
    for (int k = 0; k < 9; ++k) {
        const double at = 0.05 + 0.16 * k + rng.range(0.0, 0.1);
        const double dur = rng.range(0.5, 1.0);
        addShout(s, rng,
                 randomVoice(rng, at, dur, rng.range(0.3, 0.7),
                             words[static_cast<size_t>(rng.below(static_cast<int>(words.size())))],
                             rng.range(0.5, 1.0)));
    }
    addWhistle(s, rng, 0.35, 0.6, 2700.0);
    addWhistle(s, rng, 1.25, 0.8, 2450.0);
    addCrowdBed(s, rng, 0.12, [&](double t) {
        return smoothStep(t / 0.3) * (1.0 - smoothStep((t - 1.8) / 1.0));
    });
    mixInto(s, applause(rng, length, 8, 4.0, 5.5, 0.2, 1.0), 0.12);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] *= 1.0 - smoothStep((i / Sr - (length - 0.6)) / 0.6);
    addReverb(s, 0.5, 0.5, 0.18);
    return s;
}

// A crowd cheering: a swell of voices on open vowels, with applause underneath.
Signal crowd(Random &rng)
{
    const double length = 3.0;
    Signal s(static_cast<size_t>(samplesFor(length)));
    const std::vector<std::vector<Vowel>> words = {
        {Oh, Oh, Ah}, // ohh-ahh
        {Ah, Ah},     // ahh
        {Ee, Ah, Ah}, // yeah
        {Oh, Oo},     // ohh
    };
    for (int k = 0; k < 14; ++k) {
        const double at = rng.range(0.0, 0.9);
        const double dur = rng.range(1.0, 2.0);
        addShout(s, rng,
                 randomVoice(rng, at, dur, rng.range(0.1, 0.3),
                             words[static_cast<size_t>(rng.below(static_cast<int>(words.size())))],
                             rng.range(0.3, 0.6)));
    }
    const auto swell = [&](double t) {
        return smoothStep(t / 0.9) * (1.0 - smoothStep((t - 1.8) / 1.2));
    };
    addCrowdBed(s, rng, 0.2, swell);
    mixInto(s, applause(rng, length, 25, 4.0, 6.0, 0.6, 1.2), 0.15);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] *= 1.0 - smoothStep((i / Sr - (length - 0.8)) / 0.8);
    addReverb(s, 0.85, 0.45, 0.3);
    return s;
}

} // namespace

const std::vector<Recipe> &all()
{
    // Every effect in the order the content tool lists them.
    static const std::vector<Recipe> effects = {
        {"click", click},  {"typekey", typekey},   {"thud3", thud},     {"eagle6", eagle},
        {"cheer2", cheer}, {"clap2", clap2},       {"clap3", clap3},    {"clown", clown},
        {"crowd", crowd},  {"drumroll", drumroll}, {"fanf2", fanfare2}, {"fanf3", fanfare3},
        {"flute", flute},  {"gong", gong},         {"klaxon", klaxon},  {"laser2", laser},
        {"whizz", whizz},
    };
    return effects;
}

} // namespace soundsynth::recipes
