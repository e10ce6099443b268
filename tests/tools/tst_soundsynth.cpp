// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundsynth.h"

#include <QHash>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

using soundsynth::SampleRate;

namespace
{

constexpr double Pi = 3.14159265358979323846;

// Synthesis is deterministic, so each effect is made once per test run.
const QVector<qint16> &effect(const QString &name)
{
    static QHash<QString, QVector<qint16>> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, soundsynth::synthesise(name));
    return *it;
}

double seconds(const QVector<qint16> &s)
{
    return double(s.size()) / SampleRate;
}

int at(double t)
{
    return int(std::lround(t * SampleRate));
}

double toDbfs(double amplitude)
{
    return 20.0 * std::log10(amplitude / 32768.0);
}

// RMS over [from, from + len) in dBFS.
double rmsDb(const QVector<qint16> &s, int from, int len)
{
    double sum = 0.0;
    int n = 0;
    for (int i = std::max(0, from); i < std::min<int>(s.size(), from + len); ++i, ++n)
        sum += double(s[i]) * s[i];
    return n == 0 || sum == 0.0 ? -200.0 : toDbfs(std::sqrt(sum / n));
}

// Loudness of the loud part: RMS over the 20 ms blocks that lie within 20 dB of the loudest.
double loudPartDb(const QVector<qint16> &s)
{
    const int block = SampleRate / 50;
    std::vector<std::pair<double, int>> blocks;
    for (int start = 0; start < s.size(); start += block) {
        const int end = std::min<int>(s.size(), start + block);
        double sum = 0.0;
        for (int i = start; i < end; ++i)
            sum += double(s[i]) * s[i];
        blocks.emplace_back(sum, end - start);
    }
    double loudest = 0.0;
    for (const auto &b : blocks)
        loudest = std::max(loudest, b.first / b.second);
    double sum = 0.0;
    long count = 0;
    for (const auto &b : blocks) {
        if (b.first / b.second >= loudest / 100.0) {
            sum += b.first;
            count += b.second;
        }
    }
    return toDbfs(std::sqrt(sum / count));
}

// Power spectrum (bins 0..n/2) of a Hann-windowed frame of n samples centred on `centre`.
std::vector<double> powerSpectrum(const QVector<qint16> &s, int centre, int n)
{
    std::vector<std::complex<double>> a(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int j = centre - n / 2 + i;
        const double v = (j >= 0 && j < s.size()) ? s[j] / 32768.0 : 0.0;
        a[size_t(i)] = v * (0.5 - 0.5 * std::cos(2.0 * Pi * i / n));
    }
    for (int i = 1, j = 0; i < n; ++i) {
        int bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[size_t(i)], a[size_t(j)]);
    }
    for (int len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2.0 * Pi / len);
        for (int i = 0; i < n; i += len) {
            std::complex<double> wn(1.0);
            for (int j = 0; j < len / 2; ++j) {
                const auto u = a[size_t(i + j)];
                const auto v = a[size_t(i + j + len / 2)] * wn;
                a[size_t(i + j)] = u + v;
                a[size_t(i + j + len / 2)] = u - v;
                wn *= w;
            }
        }
    }
    std::vector<double> p(static_cast<size_t>(n / 2 + 1));
    for (int k = 0; k <= n / 2; ++k)
        p[size_t(k)] = std::norm(a[size_t(k)]);
    return p;
}

// Share of the whole effect's energy between lo and hi Hz.
double bandShare(const QVector<qint16> &s, double lo, double hi)
{
    const int n = 2048;
    double inBand = 0.0, total = 0.0;
    for (int centre = n / 2; centre < s.size() + n / 2; centre += n / 2) {
        const auto p = powerSpectrum(s, centre, n);
        for (size_t k = 1; k < p.size(); ++k) {
            const double f = double(k) * SampleRate / n;
            total += p[k];
            if (f >= lo && f < hi)
                inBand += p[k];
        }
    }
    return total > 0.0 ? inBand / total : 0.0;
}

// Spectral flatness (geometric over arithmetic mean of the power) between 150 Hz and 3 kHz,
// averaged over 46 ms frames from 0.3 s to 2 s: near 0.5 for rushing noise, low where voices or
// instruments put their energy into harmonics.
double flatness(const QVector<qint16> &s)
{
    const int n = 1024;
    double sum = 0.0;
    int frames = 0;
    for (int c = at(0.3); c < at(2.0); c += n, ++frames) {
        const auto p = powerSpectrum(s, c, n);
        double logSum = 0.0, linSum = 0.0;
        int bins = 0;
        for (size_t k = size_t(150 * n / SampleRate) + 1; k < size_t(3000 * n / SampleRate); ++k) {
            logSum += std::log(p[k]);
            linSum += p[k];
            ++bins;
        }
        sum += std::exp(logSum / bins) / (linSum / bins);
    }
    return sum / frames;
}

// Fundamental frequency around time t (a 23 ms window) by the cumulative-mean-normalised
// difference function, with parabolic refinement; 0 when nothing is periodic.
double pitchAt(const QVector<qint16> &s, double t)
{
    const int window = 512, maxLag = SampleRate / 70;
    const int start = at(t) - window / 2;
    if (start < 0 || start + window + maxLag > s.size())
        return 0.0;
    std::vector<double> d(static_cast<size_t>(maxLag + 1), 0.0);
    for (int lag = 1; lag <= maxLag; ++lag) {
        double sum = 0.0;
        for (int i = start; i < start + window; ++i) {
            const double diff = double(s[i]) - s[i + lag];
            sum += diff * diff;
        }
        d[size_t(lag)] = sum;
    }
    std::vector<double> cmnd(d.size(), 1.0);
    double running = 0.0;
    for (int lag = 1; lag <= maxLag; ++lag) {
        running += d[size_t(lag)];
        cmnd[size_t(lag)] = running > 0.0 ? d[size_t(lag)] * lag / running : 1.0;
    }
    int best = 0;
    for (int lag = 2; lag < maxLag; ++lag) {
        if (cmnd[size_t(lag)] < 0.2) {
            while (lag + 1 < maxLag && cmnd[size_t(lag + 1)] < cmnd[size_t(lag)])
                ++lag;
            best = lag;
            break;
        }
    }
    if (best == 0) {
        // No clear dip: take the deepest one if it is still convincingly periodic.
        best = int(std::min_element(cmnd.begin() + 2, cmnd.end() - 1) - cmnd.begin());
        if (cmnd[size_t(best)] > 0.5)
            return 0.0;
    }
    const double a = cmnd[size_t(best - 1)], b = cmnd[size_t(best)], c = cmnd[size_t(best + 1)];
    const double denom = a - 2.0 * b + c;
    const double shift = denom != 0.0 ? 0.5 * (a - c) / denom : 0.0;
    return SampleRate / (best + shift);
}

// Energy per pitch class (0 = C) of the frame around time t, 100 Hz to 2 kHz.
std::vector<double> chroma(const QVector<qint16> &s, double t)
{
    const int n = 8192;
    const auto p = powerSpectrum(s, at(t), n);
    std::vector<double> classes(12, 0.0);
    for (size_t k = 1; k < p.size(); ++k) {
        const double f = double(k) * SampleRate / n;
        if (f < 100.0 || f > 2000.0)
            continue;
        const long midi = std::lround(69.0 + 12.0 * std::log2(f / 440.0));
        classes[size_t(((midi % 12) + 12) % 12)] += p[k];
    }
    return classes;
}

struct WavHeader {
    QByteArray riff, wave, fmtId, dataId;
    quint32 riffSize = 0, fmtSize = 0, rate = 0, byteRate = 0, dataSize = 0;
    quint16 format = 0, channels = 0, blockAlign = 0, bits = 0;
};

WavHeader parseHeader(const QByteArray &wav)
{
    WavHeader h;
    if (wav.size() < 44)
        return h;
    const char *p = wav.constData();
    h.riff = wav.mid(0, 4);
    h.riffSize = qFromLittleEndian<quint32>(p + 4);
    h.wave = wav.mid(8, 4);
    h.fmtId = wav.mid(12, 4);
    h.fmtSize = qFromLittleEndian<quint32>(p + 16);
    h.format = qFromLittleEndian<quint16>(p + 20);
    h.channels = qFromLittleEndian<quint16>(p + 22);
    h.rate = qFromLittleEndian<quint32>(p + 24);
    h.byteRate = qFromLittleEndian<quint32>(p + 28);
    h.blockAlign = qFromLittleEndian<quint16>(p + 32);
    h.bits = qFromLittleEndian<quint16>(p + 34);
    h.dataId = wav.mid(36, 4);
    h.dataSize = qFromLittleEndian<quint32>(p + 40);
    return h;
}

void verifyHeader(const QByteArray &wav, int sampleCount, int rate)
{
    const WavHeader h = parseHeader(wav);
    QCOMPARE(h.riff, QByteArray("RIFF"));
    QCOMPARE(h.wave, QByteArray("WAVE"));
    QCOMPARE(h.fmtId, QByteArray("fmt "));
    QCOMPARE(h.fmtSize, 16u);
    QCOMPARE(h.format, quint16(1));
    QCOMPARE(h.channels, quint16(1));
    QCOMPARE(h.bits, quint16(16));
    QCOMPARE(h.blockAlign, quint16(2));
    QCOMPARE(h.rate, quint32(rate));
    QCOMPARE(h.byteRate, quint32(rate) * 2);
    QCOMPARE(h.dataId, QByteArray("data"));
    QCOMPARE(h.dataSize, quint32(sampleCount) * 2);
    QCOMPARE(qsizetype(h.riffSize), wav.size() - 8);
    QCOMPARE(wav.size(), qsizetype(44 + 2 * sampleCount));
}

} // namespace

class TestSoundSynth : public QObject
{
    Q_OBJECT

private:
    // One row per effect with the duration it must have: short feedback
    // sounds, the eagle, and the celebrations.
    static void addEffectRows()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("minSeconds");
        QTest::addColumn<double>("maxSeconds");
        const struct {
            const char *name;
            double min, max;
        } rows[] = {
            {"click", 0.02, 0.3},   {"typekey", 0.05, 0.3}, {"thud3", 0.05, 0.3},
            {"eagle6", 0.5, 1.5},   {"cheer2", 0.8, 3.0},   {"clap2", 0.8, 3.0},
            {"clap3", 0.8, 3.0},    {"clown", 0.5, 3.0},    {"crowd", 0.8, 3.0},
            {"drumroll", 1.5, 3.0}, {"fanf2", 1.0, 3.0},    {"fanf3", 1.0, 3.0},
            {"flute", 0.8, 3.0},    {"gong", 1.5, 3.0},     {"klaxon", 0.8, 3.0},
            {"laser2", 0.2, 3.0},   {"whizz", 0.8, 3.0},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QString::fromLatin1(r.name) << r.min << r.max;
    }

private slots:
    void namesAreTheFilesThePlayerAsksFor()
    {
        const QStringList names = soundsynth::soundNames();
        const QSet<QString> expected = {"click", "typekey", "thud3",  "eagle6",   "cheer2", "clap2",
                                        "clap3", "clown",   "crowd",  "drumroll", "fanf2",  "fanf3",
                                        "flute", "gong",    "klaxon", "laser2",   "whizz"};
        QCOMPARE(names.size(), expected.size());
        QCOMPARE(QSet<QString>(names.begin(), names.end()), expected);
    }

    void unknownNameGivesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown") << QStringLiteral("trumpet");
        QTest::newRow("wrong case") << QStringLiteral("Click");
        QTest::newRow("with extension") << QStringLiteral("click.wav");
    }
    void unknownNameGivesNothing()
    {
        QFETCH(QString, name);
        QVERIFY(soundsynth::synthesise(name).isEmpty());
    }

    void wavFileLayout_data()
    {
        QTest::addColumn<QVector<qint16>>("samples");
        QTest::addColumn<int>("rate");
        QTest::newRow("no samples") << QVector<qint16>{} << 22050;
        QTest::newRow("one sample") << QVector<qint16>{-1} << 22050;
        QTest::newRow("extremes") << QVector<qint16>{-32768, 32767, 0, 0x1234, -2} << 22050;
        QTest::newRow("other rate") << QVector<qint16>{1, 2, 3} << 44100;
        QTest::newRow("odd sample count") << QVector<qint16>(1001, 7) << 8000;
    }
    void wavFileLayout()
    {
        QFETCH(QVector<qint16>, samples);
        QFETCH(int, rate);
        const QByteArray wav = soundsynth::wavFile(samples, rate);
        verifyHeader(wav, samples.size(), rate);
        for (int i = 0; i < samples.size(); ++i)
            QCOMPARE(qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * i), samples[i]);
    }

    void wavFileRefusesBadRate_data()
    {
        QTest::addColumn<int>("rate");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -22050;
    }
    void wavFileRefusesBadRate()
    {
        QFETCH(int, rate);
        QVERIFY(soundsynth::wavFile({1, 2, 3}, rate).isEmpty());
    }

    void effectIsAWellFormedWav_data() { addEffectRows(); }
    void effectIsAWellFormedWav()
    {
        QFETCH(QString, name);
        const QVector<qint16> &s = effect(name);
        QVERIFY(!s.isEmpty());
        verifyHeader(soundsynth::wavFile(s), s.size(), SampleRate);
    }

    void effectLength_data() { addEffectRows(); }
    void effectLength()
    {
        QFETCH(QString, name);
        QFETCH(double, minSeconds);
        QFETCH(double, maxSeconds);
        const double len = seconds(effect(name));
        QVERIFY2(len >= minSeconds && len <= maxSeconds,
                 qPrintable(QStringLiteral("%1 s").arg(len)));
    }

    void effectLevels_data() { addEffectRows(); }
    void effectLevels()
    {
        QFETCH(QString, name);
        const QVector<qint16> &s = effect(name);
        int peak = 0;
        for (const qint16 v : s)
            peak = std::max(peak, std::abs(int(v)));
        // The true peak: the wave a player rebuilds between the samples, read at four times the
        // rate (Blackman-windowed sinc, 24 samples each side), as a loudness meter reads it.
        double truePeak = peak;
        for (int i = 0; i < s.size(); ++i) {
            for (const double frac : {0.25, 0.5, 0.75}) {
                double v = 0.0;
                for (int j = std::max(-23, -i); j <= 24 && i + j < s.size(); ++j) {
                    const double x = frac - j, w = Pi * x / 24;
                    v += s[i + j] * std::sin(Pi * x) / (Pi * x) *
                         (0.42 + 0.5 * std::cos(w) + 0.08 * std::cos(2 * w));
                }
                truePeak = std::max(truePeak, std::abs(v));
            }
        }
        QVERIFY2(toDbfs(truePeak) < -1.0,
                 qPrintable(QStringLiteral("true peak %1 dBTP").arg(toDbfs(truePeak))));
        // Clipping shows as flat tops: neighbouring samples stuck at the peak.
        int flatTops = 0;
        for (int i = 1; i < s.size(); ++i) {
            if (s[i] == s[i - 1] && std::abs(int(s[i])) >= 0.95 * peak)
                ++flatTops;
        }
        QCOMPARE(flatTops, 0);
        if (name == QLatin1String("eagle6"))
            return; // held to the interface sounds' level by eagleIsNoLouderThanTheInterface
        const double loud = loudPartDb(s);
        QVERIFY2(loud > -17.0 && loud < -15.0,
                 qPrintable(QStringLiteral("loudness %1 dBFS").arg(loud)));
    }

    // The eagle greets an ordering screen: over any 0.4 s it is no louder than a key press or a
    // thud.
    void eagleIsNoLouderThanTheInterface()
    {
        const auto loudest = [](const QVector<qint16> &s) {
            double best = 0.0;
            for (int from = 0; from < s.size(); from += at(0.05)) {
                double sum = 0.0;
                for (int i = from; i < std::min<int>(s.size(), from + at(0.4)); ++i)
                    sum += double(s[i]) * s[i];
                best = std::max(best, sum);
            }
            return toDbfs(std::sqrt(best / at(0.4)));
        };
        const double eagle = loudest(effect(QStringLiteral("eagle6")));
        for (const char *name : {"typekey", "thud3"}) {
            const double other = loudest(effect(QString::fromLatin1(name)));
            QVERIFY2(
                eagle <= other + 1.0,
                qPrintable(QStringLiteral("eagle %1, %2 %3 dBFS").arg(eagle).arg(name).arg(other)));
        }
    }

    // Cheering and crowd are people: their energy lies in the harmonics of voices, not in noise.
    void voicesAreVoiced_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("cheer2") << "cheer2";
        QTest::newRow("crowd") << "crowd";
    }
    void voicesAreVoiced()
    {
        QFETCH(QString, name);
        const double f = flatness(effect(name));
        QVERIFY2(f < 0.15, qPrintable(QStringLiteral("flatness %1").arg(f)));
    }

    void effectStartsAndEndsSilent_data() { addEffectRows(); }
    void effectStartsAndEndsSilent()
    {
        QFETCH(QString, name);
        const QVector<qint16> &s = effect(name);
        QVERIFY(std::abs(s.first()) <= 33);
        QVERIFY(std::abs(s.last()) <= 33);
        const int edge = SampleRate / 2000; // 0.5 ms
        int headPeak = 0, tailPeak = 0;
        for (int i = 0; i < edge; ++i) {
            headPeak = std::max(headPeak, std::abs(int(s[i])));
            tailPeak = std::max(tailPeak, std::abs(int(s[s.size() - 1 - i])));
        }
        QVERIFY2(headPeak < 0.15 * 32768, qPrintable(QString::number(headPeak)));
        QVERIFY2(tailPeak < 0.15 * 32768, qPrintable(QString::number(tailPeak)));
    }

    void effectIsReproducible_data() { addEffectRows(); }
    void effectIsReproducible()
    {
        QFETCH(QString, name);
        const QByteArray first = soundsynth::wavFile(soundsynth::synthesise(name));
        const QByteArray second = soundsynth::wavFile(soundsynth::synthesise(name));
        QVERIFY(first == second);
    }

    void effectsDifferFromEachOther()
    {
        const QStringList names = soundsynth::soundNames();
        for (int i = 0; i < names.size(); ++i) {
            for (int j = i + 1; j < names.size(); ++j)
                QVERIFY2(effect(names[i]) != effect(names[j]),
                         qPrintable(names[i] + QLatin1String(" = ") + names[j]));
        }
    }

    // Where the energy of each effect lies: thuds low, clicks and the eagle high,
    // voices and horns in the middle.
    void spectralBalance_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("loHz");
        QTest::addColumn<double>("hiHz");
        QTest::addColumn<double>("minShare");
        QTest::newRow("thud is low") << "thud3" << 0.0 << 400.0 << 0.6;
        QTest::newRow("click is bright") << "click" << 1000.0 << 11025.0 << 0.5;
        QTest::newRow("key press is bright") << "typekey" << 1000.0 << 11025.0 << 0.5;
        QTest::newRow("eagle screams high") << "eagle6" << 1500.0 << 11025.0 << 0.8;
        QTest::newRow("flute is mostly fundamental") << "flute" << 550.0 << 1050.0 << 0.75;
        QTest::newRow("clapping is hands") << "clap2" << 600.0 << 6000.0 << 0.8;
        QTest::newRow("applause is hands") << "clap3" << 600.0 << 6000.0 << 0.8;
        QTest::newRow("cheering has voices") << "cheer2" << 200.0 << 1400.0 << 0.4;
        QTest::newRow("crowd has voices") << "crowd" << 200.0 << 1400.0 << 0.4;
        QTest::newRow("gong is deep") << "gong" << 80.0 << 800.0 << 0.7;
        QTest::newRow("klaxon honks in the middle") << "klaxon" << 300.0 << 1500.0 << 0.8;
    }
    void spectralBalance()
    {
        QFETCH(QString, name);
        QFETCH(double, loHz);
        QFETCH(double, hiHz);
        QFETCH(double, minShare);
        const double share = bandShare(effect(name), loHz, hiHz);
        QVERIFY2(share >= minShare, qPrintable(QStringLiteral("share %1").arg(share)));
    }

    // Pitch at two moments: the eagle falls; the laser, the clown, the firework and the klaxon's
    // "aa-oo" rise.
    void pitchMovement_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("t1");
        QTest::addColumn<double>("t2");
        QTest::addColumn<double>("minRatio");
        QTest::addColumn<double>("maxRatio");
        QTest::newRow("laser rises") << "laser2" << 0.02 << 0.15 << 2.0 << 100.0;
        QTest::newRow("clown climbs to the octave") << "clown" << 0.05 << 1.1 << 1.9 << 2.1;
        QTest::newRow("eagle slides down") << "eagle6" << 0.15 << 1.0 << 0.0 << 0.85;
        QTest::newRow("whizz climbs") << "whizz" << 0.2 << 1.3 << 2.5 << 100.0;
        QTest::newRow("klaxon winds up") << "klaxon" << 0.08 << 0.45 << 1.6 << 100.0;
    }
    void pitchMovement()
    {
        QFETCH(QString, name);
        QFETCH(double, t1);
        QFETCH(double, t2);
        QFETCH(double, minRatio);
        QFETCH(double, maxRatio);
        const double f1 = pitchAt(effect(name), t1);
        const double f2 = pitchAt(effect(name), t2);
        QVERIFY2(f1 > 0.0 && f2 > 0.0, qPrintable(QStringLiteral("%1 → %2 Hz").arg(f1).arg(f2)));
        const double ratio = f2 / f1;
        QVERIFY2(ratio >= minRatio && ratio <= maxRatio,
                 qPrintable(QStringLiteral("%1 → %2 Hz").arg(f1).arg(f2)));
    }

    // Each fanfare ends on a held major triad in its own key.
    void fanfareEndsOnMajorTriad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("root");
        QTest::newRow("fanf2 in C") << "fanf2" << 0;
        QTest::newRow("fanf3 in F") << "fanf3" << 5;
    }
    void fanfareEndsOnMajorTriad()
    {
        QFETCH(QString, name);
        QFETCH(int, root);
        const std::vector<double> c = chroma(effect(name), 2.0);
        std::vector<int> order(12);
        for (int i = 0; i < 12; ++i)
            order[size_t(i)] = i;
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return c[size_t(a)] > c[size_t(b)]; });
        const QSet<int> strongest = {order[0], order[1], order[2]};
        const QSet<int> triad = {root, (root + 4) % 12, (root + 7) % 12};
        QCOMPARE(strongest, triad);
    }

    void gongPartialsAreInharmonic()
    {
        const QVector<qint16> &s = effect(QStringLiteral("gong"));
        const int n = 16384;
        const auto p = powerSpectrum(s, at(0.6), n);
        std::vector<std::pair<double, double>> peaks; // power, Hz
        for (size_t k = 2; k + 1 < p.size(); ++k) {
            const double f = double(k) * SampleRate / n;
            if (f > 60.0 && f < 2000.0 && p[k] > p[k - 1] && p[k] >= p[k + 1])
                peaks.emplace_back(p[k], f);
        }
        std::sort(peaks.rbegin(), peaks.rend());
        QVERIFY(peaks.size() >= 6);
        double lowest = peaks[0].second;
        for (size_t i = 0; i < 6; ++i)
            lowest = std::min(lowest, peaks[i].second);
        int offHarmonic = 0;
        for (size_t i = 0; i < 6; ++i) {
            const double ratio = peaks[i].second / lowest;
            if (std::abs(ratio - std::round(ratio)) > 0.1)
                ++offHarmonic;
        }
        QVERIFY2(offHarmonic >= 3, qPrintable(QString::number(offHarmonic)));
        // Still ringing well after the strike.
        QVERIFY(rmsDb(s, at(1.5), at(0.1)) > rmsDb(s, 0, at(0.1)) - 12.0);
    }

    void drumRollSwellsIntoACrash()
    {
        const QVector<qint16> &s = effect(QStringLiteral("drumroll"));
        const double early = rmsDb(s, at(0.1), at(0.2));
        const double late = rmsDb(s, at(1.4), at(0.2));
        QVERIFY2(late > early + 6.0, qPrintable(QStringLiteral("%1 → %2").arg(early).arg(late)));
        // The crash rings on, bright, after the roll has stopped.
        const QVector<qint16> tail = s.mid(at(2.0), at(0.4));
        QVERIFY(rmsDb(tail, 0, tail.size()) > loudPartDb(s) - 15.0);
        QVERIFY(bandShare(tail, 3000.0, 11025.0) > 0.5);
    }
};

QTEST_GUILESS_MAIN(TestSoundSynth)
#include "tst_soundsynth.moc"
