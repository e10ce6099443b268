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

bool RecordingPrinter::step()
{
    if (m_failed)
        return false;
    if (!hasPrinter && pdfFile.isEmpty()) {
        m_failed = true;
        return false;
    }
    if (failAfter >= 0 && pdfFile.isEmpty() && ops.size() >= failAfter) {
        m_failed = true;
        return false;
    }
    return true;
}

void RecordingPrinter::setFontName(const QString &name)
{
    if (step())
        ops.append(PrintOp::fontName(name));
}

void RecordingPrinter::setFontSize(double points)
{
    if (step())
        ops.append(PrintOp::fontSize(points));
}

void RecordingPrinter::setForeColor(const QColor &color)
{
    if (step())
        ops.append(PrintOp::foreColor(color));
}

void RecordingPrinter::setDrawWidth(int w)
{
    if (step())
        ops.append(PrintOp::drawWidth(w));
}

void RecordingPrinter::setCurrentX(int twips)
{
    if (step())
        ops.append(PrintOp::currentX(twips));
}

void RecordingPrinter::setCurrentY(int twips)
{
    if (step())
        ops.append(PrintOp::currentY(twips));
}

void RecordingPrinter::print(const QString &text, bool endLine)
{
    if (step())
        ops.append(PrintOp::print(text, endLine));
}

void RecordingPrinter::line(QPoint from, QPoint to, const QColor &color)
{
    if (step())
        ops.append(PrintOp::line(from, to, color));
}

void RecordingPrinter::paintPicture(const QImage &, const QRect &twipsRect)
{
    if (step())
        ops.append(PrintOp::picture(QString(), twipsRect.topLeft(),
                                    QPoint(twipsRect.width(), twipsRect.height())));
}

void RecordingPrinter::endDoc()
{
    if (step()) {
        ops.append(PrintOp::endDoc());
        ++documents;
        if (!pdfFile.isEmpty()) {
            pdfFiles.append(pdfFile);
            // A whole, if empty, PDF file, as a real printer leaves one.
            QFile pdf(pdfFile);
            if (pdf.open(QIODevice::WriteOnly))
                pdf.write("%PDF-1.4\n%%EOF\n");
        }
    }
}

void RecordingPrinter::reset()
{
    m_failed = false;
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
