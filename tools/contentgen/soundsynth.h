// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Synthesises the program's sound effects and writes them as WAV files.
// Every effect is built from oscillators, filters, envelopes and noise from a
// PRNG seeded by the effect's name, so the same name always yields the same
// samples. Every effect is normalised to one loudness (RMS of its loud part
// about -16 dBFS; the eagle that greets an ordering screen, an interface sound,
// about -26 dBFS), true peaks (between the samples too) below -1 dBTP and starts and ends at
// silence.
namespace soundsynth
{
constexpr int SampleRate = 22050;
// Base names of every effect the program plays: "click", "typekey", "thud3", "eagle6", "cheer2",
// "clap2", "clap3", "clown", "crowd", "drumroll", "fanf2", "fanf3", "flute", "gong", "klaxon",
// "laser2", "whizz".
QStringList soundNames();
// Mono samples at SampleRate for one effect; empty for an unknown name. Deterministic (seeded).
QVector<qint16> synthesise(const QString &name);
// A complete RIFF/WAVE file: PCM, 16-bit, mono, the given rate. Empty when sampleRate is not
// positive or the data would not fit a RIFF file.
QByteArray wavFile(const QVector<qint16> &samples, int sampleRate = SampleRate);
} // namespace soundsynth
