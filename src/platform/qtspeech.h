// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <QObject>
#include <QStringList>

class QTextToSpeech;

// The reading voice through Qt's text-to-speech module with the flite engine, which runs offline
// and says the same text the same way every time. Built into the devices module (devices.h). The
// engine is started at the first use; the voice is flite's "slt" (a clear US English woman's
// voice) when it is there, else the engine's first English voice.
class QtSpeech : public QObject, public Speech
{
public:
    QtSpeech();
    ~QtSpeech() override;
    QString unavailable() override;
    void say(const QStringList &texts) override;
    void stop() override;

    // The name of the voice in use; empty until the engine has started.
    QString voiceName() const;

private:
    bool start();
    void sayNext();

    bool m_tried = false;
    QString m_unavailable;
    QTextToSpeech *m_engine = nullptr;
    QStringList m_queue;
};
