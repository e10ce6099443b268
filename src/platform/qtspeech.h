// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <QObject>
#include <QStringList>

class QTextToSpeech;

// The reading voice through Qt's text-to-speech module, in the language of the program's texts.
// English is read by the flite engine, which runs offline and says the same text the same way
// every time: flite's "slt" (a clear US English woman's voice) when it is there, else the engine's
// first English voice. Any other language is read by speech-dispatcher with its espeak-ng voices,
// set to that language; where it has none, reading aloud is unavailable with the reason. Built
// into the devices module (devices.h). The engine is started at the first use.
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
