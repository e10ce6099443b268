// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafile/metafileplayer.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRegion>
#include <QSet>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "metafile/dib.h"
#include "metafile/wmfrecords.h"
#include "metafile/wmftext.h"

namespace wmf::player
{

bool Player::textOut()
{
    if (count() < 1)
        return false;
    const qint64 length = u(0);
    const qint64 stringWords = (length + 1) / 2;
    if (1 + stringWords + 2 > count()) {
        problem(QStringLiteral("text longer than the record"));
        return false;
    }
    const QByteArray bytes = paramBytes(*m_params, 1).left(static_cast<int>(length));
    const int at = static_cast<int>(1 + stringWords);
    return drawText(QPointF(s(at + 1), s(at)), bytes, {}, 0, QRectF());
}

bool Player::extTextOut()
{
    if (count() < 4)
        return false;
    const QPointF reference(s(1), s(0));
    const qint64 length = u(2);
    const quint16 options = u(3);
    int at = 4;
    QRectF box;
    if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
        if (count() < at + 4) {
            problem(QStringLiteral("text rectangle missing"));
            return false;
        }
        box = mapRect(s(at), s(at + 1), s(at + 2), s(at + 3));
        at += 4;
    }
    const qint64 stringWords = (length + 1) / 2;
    if (at + stringWords > count()) {
        problem(QStringLiteral("text longer than the record"));
        return false;
    }
    const QByteArray bytes = paramBytes(*m_params, at).left(static_cast<int>(length));
    at += static_cast<int>(stringWords);
    if (options & ETO_GLYPH_INDEX) {
        problem(QStringLiteral("text given as glyph numbers not drawn"));
        return false;
    }
    // With ETO_PDY each character has an x and a y advance; only x is used.
    const qint64 step = (options & ETO_PDY) ? 2 : 1;
    QVector<qint16> dx;
    if (length > 0 && at + length * step <= count()) {
        dx.reserve(static_cast<int>(length));
        for (qint64 i = 0; i < length; ++i)
            dx.append(s(static_cast<int>(at + i * step)));
    } else if (at < count() && length > 0) {
        problem(QStringLiteral("character spacing shorter than the text"));
    }
    return drawText(reference, bytes, dx, options, box);
}

TextFont &Player::textFont(const QString &face, double maxPx)
{
    const FontDef &f = m_dc.font;
    QPaintDevice *device = m_p.device();
    const int dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                            .arg(face)
                            .arg(f.height)
                            .arg(f.width)
                            .arg(f.weight)
                            .arg(int(f.italic) | int(f.underline) << 1 | int(f.strikeOut) << 2)
                            .arg(m_ax)
                            .arg(m_ay)
                            .arg(dpi);
    const auto cached = m_fonts.find(key);
    if (cached != m_fonts.end())
        return *cached;
    if (m_fonts.size() >= MaxCachedFonts)
        m_fonts.clear();
    m_work += FontBuildCost;

    // Character height: negative is the em size, positive the cell height, zero a default of
    // twelve points.
    const double scaleY = std::abs(m_ay);
    QFont font(face);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setStyleStrategy(QFont::PreferOutline);
    double em;
    if (f.height < 0) {
        em = -f.height * scaleY;
    } else if (f.height > 0) {
        font.setPixelSize(100);
        const QFontMetricsF probe(font);
        const double cell = probe.ascent() + probe.descent();
        em = f.height * scaleY * (cell > 0 ? 100 / cell : 1);
    } else {
        em = std::abs(m_mf.header.unitsPerInch / 6.0 * m_target.height() / m_bounds.height());
    }
    em = std::min(em, maxPx);
    TextFont made;
    made.em = em;
    if (em < 0.5)
        return *m_fonts.insert(key, made);
    // A fractional size, so that text keeps its width at every scale: point size through the
    // resolution of the device being painted.
    font.setPointSizeF(em * 72.0 / dpi);
    if (f.width > 0) {
        const double natural = QFontMetricsF(font, device).averageCharWidth();
        const double wanted = f.width * std::abs(m_ax);
        if (natural > 0)
            font.setStretch(std::clamp(qRound(100 * wanted / natural), 1, 4000));
    }

    made.font = font;
    made.metrics = QFontMetricsF(font, device);
    return *m_fonts.insert(key, made);
}

bool Player::drawText(QPointF reference, const QByteArray &bytes, const QVector<qint16> &dx,
                      quint16 options, const QRectF &box)
{
    applyClip();
    const FontDef &f = m_dc.font;
    const bool updateCp = m_dc.textAlign & TA_UPDATECP;
    const QPointF origin = map(updateCp ? m_dc.currentPosition.x() : reference.x(),
                               updateCp ? m_dc.currentPosition.y() : reference.y());

    if ((options & ETO_OPAQUE) && !box.isEmpty() && !inkless())
        m_p.fillRect(box, m_dc.bkColor);

    const double maxPx = 4 * std::max(m_target.width(), m_target.height()) + 16;
    QString face = f.face.isEmpty() ? QStringLiteral("Arial") : f.face;
    if (!m_faces.contains(face)) {
        if (m_faces.size() < MaxFaces) {
            m_faces.insert(face);
        } else {
            problem(QStringLiteral("too many fonts; the rest drawn in the default face"));
            face = QStringLiteral("Arial");
        }
    }
    TextFont &textFace = textFont(face, maxPx);
    if (textFace.em < 0.5)
        return true; // too small to see
    QFont font = textFace.font;
    const QFontMetricsF &fm = textFace.metrics;

    QString text = decodeText(bytes, f.charset);
    if (text.size() > MaxTextLength) {
        problem(QStringLiteral("text cut to %1 characters").arg(MaxTextLength));
        text.truncate(MaxTextLength);
    }
    // Advances in output units, one per character; dx entries are per byte.
    QVector<double> advances;
    const bool useDx = !dx.isEmpty() && text.size() == bytes.size() && dx.size() >= text.size();
    const double extra = m_dc.charExtra * std::abs(m_ax);
    double width = 0;
    if (useDx) {
        advances.reserve(text.size());
        for (int i = 0; i < text.size(); ++i) {
            advances.append(std::min(std::abs(dx[i] * m_ax), maxPx));
            width += advances.last();
        }
    } else {
        width = fm.horizontalAdvance(text) + extra * text.size();
    }

    double x0 = 0;
    switch (m_dc.textAlign & TA_HORIZONTAL_MASK) {
    case TA_RIGHT:
        x0 = -width;
        break;
    case TA_CENTER:
        x0 = -width / 2;
        break;
    default:
        break;
    }
    double baseline = fm.ascent();
    switch (m_dc.textAlign & TA_VERTICAL_MASK) {
    case TA_BASELINE:
        baseline = 0;
        break;
    case TA_BOTTOM:
        baseline = -fm.descent();
        break;
    default:
        break;
    }
    const double angle = f.escapement / 10.0;
    if (!afford(QRectF(origin.x() + x0, origin.y() + baseline - fm.ascent(), width,
                       fm.ascent() + fm.descent()),
                0, TextCost + CharCost * text.size()))
        return false;

    m_p.save();
    if ((options & ETO_CLIPPED) && !box.isEmpty())
        m_p.setClipRect(box, Qt::IntersectClip);
    m_p.translate(origin);
    if (angle != 0)
        m_p.rotate(-angle);
    if (m_dc.bkMode == OPAQUE && !inkless())
        m_p.fillRect(QRectF(x0, baseline - fm.ascent(), width, fm.ascent() + fm.descent()),
                     m_dc.bkColor);
    m_p.setFont(font);
    m_p.setPen(m_dc.textColor);
    if (!inkless()) {
        if (useDx) {
            drawSpaced(textFace, text, advances, QPointF(x0, baseline));
        } else {
            if (extra != 0)
                font.setLetterSpacing(QFont::AbsoluteSpacing, extra);
            m_p.setFont(font);
            m_p.drawText(QPointF(x0, baseline), text);
        }
    }
    m_p.restore();

    if (updateCp) {
        // The current position moves past the text (left alignment) or to its start (right).
        double move = 0;
        const quint16 h = m_dc.textAlign & TA_HORIZONTAL_MASK;
        if (h == TA_LEFT)
            move = width;
        else if (h == TA_RIGHT)
            move = -width;
        const double rad = qDegreesToRadians(angle);
        const QPointF end = origin + QPointF(move * std::cos(rad), -move * std::sin(rad));
        m_dc.currentPosition = unmap(end);
    }
    return true;
}

// Whether bold was asked of a regular face, which the font engine emboldens only for some sizes
// and devices (not when glyphs are drawn large, as on a printed page). Decorated text is left to
// the engine, which draws the lines.
bool Player::syntheticBold(const QFont &font, const QRawFont &raw)
{
    if (font.weight() < QFont::DemiBold || font.underline() || font.strikeOut())
        return false;
    const QByteArray os2 = raw.fontTable("OS/2");
    const int faceWeight = os2.size() >= 6 ? (quint8(os2[4]) << 8) | quint8(os2[5]) : 400;
    return faceWeight < QFont::DemiBold;
}

// The regular outlines filled and widened by a 24th of the em, as the font engine emboldens.
void Player::drawEmboldened(QFont font, const QVector<quint32> &glyphs,
                            const QVector<QPointF> &positions, double pixelSize)
{
    font.setWeight(QFont::Normal); // outlines the engine has not emboldened already
    QRawFont raw = QRawFont::fromFont(font);
    raw.setPixelSize(pixelSize);
    QPainterPath outline;
    for (int i = 0; i < glyphs.size(); ++i)
        outline.addPath(raw.pathForGlyph(glyphs[i]).translated(positions[i]));
    QPen pen(m_p.pen().color(), pixelSize / 24);
    pen.setJoinStyle(Qt::RoundJoin);
    m_p.save();
    m_p.setRenderHint(QPainter::Antialiasing);
    m_p.setPen(pen);
    m_p.setBrush(pen.color());
    m_p.drawPath(outline);
    m_p.restore();
}

// Text with its own character advances: one glyph run when the font has every character, else
// character by character so that font fallback still finds the missing ones.
void Player::drawSpaced(TextFont &textFace, const QString &text, const QVector<double> &advances,
                        QPointF at)
{
    if (!textFace.rawMade) {
        textFace.raw = QRawFont::fromFont(textFace.font);
        if (textFace.raw.isValid())
            textFace.raw.setPixelSize(textFace.em);
        textFace.rawMade = true;
    }
    const QRawFont &raw = textFace.raw;
    const QFont &font = textFace.font;
    bool whole = raw.isValid();
    for (int i = 0; whole && i < text.size(); ++i)
        whole = text.at(i).isSpace() || raw.supportsCharacter(text.at(i));
    if (whole) {
        const QVector<quint32> glyphs = raw.glyphIndexesForString(text);
        if (glyphs.size() == text.size()) {
            QVector<QPointF> positions;
            positions.reserve(glyphs.size());
            double x = at.x();
            for (int i = 0; i < glyphs.size(); ++i) {
                positions.append(QPointF(x, at.y()));
                x += advances[i];
            }
            if (syntheticBold(font, raw)) {
                if (afford(QRectF(), 0, OutlineCharCost * glyphs.size()))
                    drawEmboldened(font, glyphs, positions, textFace.em);
                return;
            }
            QGlyphRun run;
            run.setRawFont(raw);
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);
            run.setUnderline(font.underline());
            run.setStrikeOut(font.strikeOut());
            m_p.drawGlyphRun(QPointF(0, 0), run);
            return;
        }
    }
    double x = at.x();
    for (int i = 0; i < text.size(); ++i) {
        m_p.drawText(QPointF(x, at.y()), QString(text.at(i)));
        x += advances[i];
    }
}

} // namespace wmf::player
