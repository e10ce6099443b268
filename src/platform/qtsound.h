// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <QHash>
#include <QObject>
#include <QThread>

class QSoundEffect;

// Sound effects through the sound library. Built into the devices module (devices.h), so that
// the sound library is not loaded before the first screen is drawn.
//
// The sounds are made and started on a thread of their own. Starting one opens an output stream
// on the sound server and waits for the server's answer, half a millisecond to two at every
// click; on the screens' thread that wait came before the next screen's first paint.
class QtSoundPlayer : public SoundPlayer
{
public:
    explicit QtSoundPlayer(const ContentPaths &paths);
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer &) = delete;
    QtSoundPlayer &operator=(const QtSoundPlayer &) = delete;
    void play(const QString &contentPath) override;
    void prepare(const QString &contentPath) override;

    // Whether a file is a WAV the player can play: RIFF/WAVE with uncompressed 8- or 16-bit PCM,
    // one or two channels, a sensible rate, and sample data present.
    static bool isPlayable(const QByteArray &wav);

    // Whether the effect of a content file is playing now (for checks on a real sound device).
    // Waits for the sound thread to answer.
    bool isPlaying(const QString &contentPath) const;

private:
    // The effect of a resolved file, made at the first request; null for a file it cannot play.
    // Only on the sound thread.
    QSoundEffect *effectFor(const QString &file);

    const ContentPaths &m_paths;
    QThread m_thread;
    QObject *m_effectsOwner;                  // lives on m_thread; the effects are its children
    QHash<QString, QSoundEffect *> m_effects; // one per resolved file; only on the sound thread
};
