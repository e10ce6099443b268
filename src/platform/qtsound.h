// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

// Sound effects through the sound library. Built into the devices module (devices.h), so that
// the sound library is not loaded before the first screen is drawn.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit QtSoundPlayer(const ContentPaths &paths, QObject *parent = nullptr);
    void play(const QString &contentPath) override;
    void prepare(const QString &contentPath) override;

    // Whether a file is a WAV the player can play: RIFF/WAVE with uncompressed 8- or 16-bit PCM,
    // one or two channels, a sensible rate, and sample data present.
    static bool isPlayable(const QByteArray &wav);

    // Whether the effect of a content file is playing now (for checks on a real sound device).
    bool isPlaying(const QString &contentPath) const;

private:
    // The effect of a content file, made at the first request; null for a file it cannot play.
    QSoundEffect *effectFor(const QString &contentPath);

    const ContentPaths &m_paths;
    QHash<QString, QSoundEffect *> m_effects; // one per resolved file
};
