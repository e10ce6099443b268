// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtspeech.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>

namespace
{
const QString EnglishEngine = QStringLiteral("flite");
const QString PreferredVoice = QStringLiteral("slt");
// Every other language: speech-dispatcher, which speaks it through espeak-ng.
const QString OtherEngine = QStringLiteral("speechd");

// The language the program's texts are in (English for the pseudo-languages and for "C").
QLocale textLanguage()
{
    const QLocale chosen;
    const QString name = chosen.name();
    if (chosen.language() == QLocale::C || name.endsWith(QLatin1String("_XA")) ||
        name.endsWith(QLatin1String("_XB")))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return chosen;
}

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
    const QLocale language = textLanguage();
    const bool english = language.language() == QLocale::English;
    const QString engineName = english ? EnglishEngine : OtherEngine;
    if (!QTextToSpeech::availableEngines().contains(engineName)) {
        m_unavailable =
            english
                ? QCoreApplication::translate("Speech",
                                              "Reading aloud needs the flite voice, which is not "
                                              "installed on this computer.")
                : QCoreApplication::translate(
                      "Speech", "Reading aloud in this language needs speech-dispatcher and "
                                "espeak-ng, which are not installed on this computer.");
        return false;
    }
    auto *engine = new QTextToSpeech(engineName, this);
    if (engine->state() == QTextToSpeech::Error) {
        m_unavailable =
            QCoreApplication::translate("Speech", "The reading voice could not be started.");
        delete engine;
        return false;
    }
    bool spoken = english;
    const QList<QLocale> locales = engine->availableLocales();
    for (const QLocale &offered : locales) {
        if (offered.language() == language.language())
            spoken = true;
    }
    if (!spoken) {
        m_unavailable = QCoreApplication::translate(
            "Speech", "There is no reading voice for this language on this computer.");
        delete engine;
        return false;
    }
    // The locale is set explicitly: the voice follows the program's language, not the
    // desktop's.
    engine->setLocale(language);
    const QList<QVoice> voices = engine->availableVoices();
    for (const QVoice &voice : voices) {
        if (english && voice.name() == PreferredVoice)
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
    // In English the flite engine's own voices speak: whether it can is known from the list of
    // engines, and the engine (about 20 ms and 7 MB to start) starts when it first has something
    // to say. In another language the engine has to be started to learn whether it has a voice
    // for it.
    if (!m_tried && textLanguage().language() == QLocale::English &&
        QTextToSpeech::availableEngines().contains(EnglishEngine))
        return {};
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
