// SPDX-License-Identifier: GPL-3.0-or-later
#include "testdoubles.h"

#include <QFile>

#include "contentpath.h"

#include <map>

void ScriptedMessageBoxes::ok(QWidget *, const QString &text)
{
    shown.append(text);
}

bool ScriptedMessageBoxes::okCancel(QWidget *, const QString &text)
{
    shown.append(text);
    if (okCancelReplies.empty())
        return true;
    const bool reply = okCancelReplies.front();
    okCancelReplies.pop_front();
    return reply;
}

namespace
{

QString nextReply(std::deque<QString> &replies)
{
    if (replies.empty())
        return QString();
    QString reply = replies.front();
    replies.pop_front();
    return reply;
}

} // namespace

QString ScriptedMessageBoxes::saveFile(QWidget *, const QString &caption, const QString &suggested,
                                       const QString &filter)
{
    dialogs.append(caption + QLatin1Char('|') + suggested + QLatin1Char('|') + filter);
    return nextReply(fileReplies);
}

QString ScriptedMessageBoxes::openFile(QWidget *, const QString &caption, const QString &filter)
{
    dialogs.append(caption + QStringLiteral("||") + filter);
    return nextReply(fileReplies);
}

QString ScriptedMessageBoxes::whoIsPlaying(QWidget *, const QStringList &offered)
{
    namesOffered.append(offered);
    return nextReply(names);
}

QString RecordingContentPaths::path(const QString &contentName) const
{
    requested.append(contentName);
    return contentpath::resolve(m_root, contentName);
}

int RecordingPrinter::textWidth(const QString &, double points, const QString &text) const
{
    return static_cast<int>(text.size() * 100 * points / 10.0);
}

bool RecordingPrinter::play(const PrintJob &job, const ContentPaths &)
{
    if (pdfFile.isEmpty() && (!hasPrinter || paperFails))
        return false;
    printed.append(job);
    if (!pdfFile.isEmpty()) {
        pdfFiles.append(pdfFile);
        // A whole, if empty, PDF file, as a real printer leaves one.
        QFile pdf(pdfFile);
        if (pdf.open(QIODevice::WriteOnly))
            pdf.write("%PDF-1.4\n%%EOF\n");
    }
    return true;
}

namespace
{

class RecordingFrames : public ServerFrames
{
public:
    RecordingFrames(WId window, QStringList &log) : m_window(window), m_log(log) {}
    WId window() const override { return m_window; }
    bool show(int index, const QImage &frame, QPoint) override
    {
        const auto kept = m_kept.find(index);
        if (kept == m_kept.end() || kept->second != frame.cacheKey())
            return false;
        m_log.append(QStringLiteral("show %1").arg(index));
        return true;
    }
    void keep(int index, const QImage &frame) override
    {
        m_kept[index] = frame.cacheKey();
        m_log.append(QStringLiteral("keep %1").arg(index));
    }

private:
    WId m_window;
    QStringList &m_log;
    std::map<int, qint64> m_kept;
};

} // namespace

void RecordingWindowSystem::fillBackground(WId, const QColor &colour)
{
    backgrounds.append(colour);
}

std::unique_ptr<ServerFrames> RecordingWindowSystem::serverFrames(WId window)
{
    if (!keepsFrames)
        return nullptr;
    return std::make_unique<RecordingFrames>(window, frames);
}

void RecordingSpeech::say(const QStringList &texts)
{
    said.append(texts);
}
