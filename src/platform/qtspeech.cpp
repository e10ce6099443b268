// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtspeech.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>

namespace
{
const QString EngineName = QStringLiteral("flite");
const QString PreferredVoice = QStringLiteral("slt");
} // namespace

QtSpeech::QtSpeech() = default;

QtSpeech::~QtSpeech()
{
    if (m_engine)
        m_engine->stop();
}

bool QtSpeech::start()
{
    if (m_tried)
        return m_engine != nullptr;
    m_tried = true;
    if (!QTextToSpeech::availableEngines().contains(EngineName)) {
        m_unavailable = QCoreApplication::translate(
            "Speech", "Reading aloud needs the flite voice, which is not "
                      "installed on this computer.");
        return false;
    }
    auto *engine = new QTextToSpeech(EngineName, this);
    if (engine->state() == QTextToSpeech::Error) {
        m_unavailable =
            QCoreApplication::translate("Speech", "The reading voice could not be started.");
        delete engine;
        return false;
    }
    engine->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    const QList<QVoice> voices = engine->availableVoices();
    for (const QVoice &voice : voices) {
        if (voice.name() == PreferredVoice)
            engine->setVoice(voice);
    }
    connect(engine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Ready)
            sayNext();
    });
    m_engine = engine;
    return true;
}

QString QtSpeech::unavailable()
{
    start();
    return m_unavailable;
}

void QtSpeech::say(const QStringList &texts)
{
    if (!start())
        return;
    m_queue.clear();
    for (const QString &text : texts) {
        if (!text.trimmed().isEmpty())
            m_queue.append(text);
    }
    if (m_engine->state() == QTextToSpeech::Speaking) {
        // The engine says Ready once it has stopped, and the queue goes on from there.
        m_engine->stop();
        return;
    }
    sayNext();
}

void QtSpeech::stop()
{
    m_queue.clear();
    if (m_engine)
        m_engine->stop();
}

void QtSpeech::sayNext()
{
    if (m_queue.isEmpty() || !m_engine)
        return;
    m_engine->say(m_queue.takeFirst());
}

QString QtSpeech::voiceName() const
{
    return m_engine ? m_engine->voice().name() : QString();
}
