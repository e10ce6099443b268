// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafilewords.h"

#include "wmfrecords.h"
#include "wmftext.h"

#include <QPoint>

#include <algorithm>
#include <climits>

namespace wmf
{

namespace
{

struct Piece {
    int y;
    int x;
    QString text;
};

QByteArray bytesFrom(const QVector<quint16> &params, int first, int length)
{
    QByteArray bytes;
    for (int i = first; i < params.size() && bytes.size() < length; ++i) {
        bytes.append(char(params[i] & 0xff));
        bytes.append(char(params[i] >> 8));
    }
    return bytes.left(length);
}

// The piece of text a record draws, if it is a text record that holds one.
bool pieceOf(const Record &r, Piece &piece)
{
    const QVector<quint16> &p = r.params;
    if (r.function == META_TEXTOUT && !p.isEmpty()) {
        const int length = p[0];
        const int at = 1 + (length + 1) / 2;
        if (at + 1 >= p.size())
            return false;
        piece = {qint16(p[at]), qint16(p[at + 1]), decodeText(bytesFrom(p, 1, length), 0)};
        return true;
    }
    if (r.function == META_EXTTEXTOUT && p.size() >= 4) {
        const int length = p[2];
        const int at = (p[3] & (ETO_OPAQUE | ETO_CLIPPED)) ? 8 : 4;
        if (p[3] & ETO_GLYPH_INDEX || at + (length + 1) / 2 > p.size())
            return false;
        piece = {qint16(p[0]), qint16(p[1]), decodeText(bytesFrom(p, at, length), 0)};
        return true;
    }
    return false;
}

// The centre of a small filled polygon, a list item's bullet, if the record draws one: no wider
// or taller than Dot units.
constexpr int Dot = 200;
bool bulletOf(const Record &r, QPoint &centre)
{
    const QVector<quint16> &p = r.params;
    if (r.function != META_POLYGON || p.isEmpty() || p.size() < 1 + 2 * p[0] || p[0] < 3)
        return false;
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (int k = 0; k < p[0]; ++k) {
        const int x = qint16(p[1 + 2 * k]), y = qint16(p[2 + 2 * k]);
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    if (right - left > Dot || bottom - top > Dot)
        return false;
    centre = QPoint((left + right) / 2, (top + bottom) / 2);
    return true;
}

} // namespace

QStringList paragraphs(const Metafile &metafile)
{
    std::vector<Piece> pieces;
    std::vector<QPoint> bullets;
    for (const Record &r : metafile.records) {
        Piece piece;
        QPoint bullet;
        if (pieceOf(r, piece) && !piece.text.trimmed().isEmpty())
            pieces.push_back(piece);
        else if (bulletOf(r, bullet))
            bullets.push_back(bullet);
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece &a, const Piece &b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    // Lines: pieces whose tops are within a few units of the line's first piece.
    struct Line {
        int y;
        int x;
        QString text;
    };
    std::vector<Line> lines;
    for (const Piece &piece : pieces) {
        const QString text = piece.text.trimmed();
        if (lines.empty() || std::abs(piece.y - lines.back().y) > 4) {
            lines.push_back({piece.y, piece.x, text});
            continue;
        }
        // Pieces in another font (bold words) join the line; punctuation follows with no space.
        const bool punctuation = QStringLiteral(".,;:!?)").contains(text.front());
        lines.back().text += (punctuation ? QString() : QStringLiteral(" ")) + text;
    }
    std::vector<int> gaps;
    for (size_t i = 1; i < lines.size(); ++i)
        gaps.push_back(lines[i].y - lines[i - 1].y);
    std::vector<int> sorted = gaps;
    std::sort(sorted.begin(), sorted.end());
    const int usual = sorted.empty() ? 0 : sorted[sorted.size() / 2];
    // A line runs on into the next when the next one's first word would not have fitted after it
    // (judged in characters against the longest line round it) and both start at the same place.
    const auto runsOn = [&lines](size_t i) {
        qsizetype room = 0;
        for (size_t k = i > 0 ? i - 1 : 0; k <= i + 1 && k < lines.size(); ++k)
            room = std::max(room, lines[k].text.size());
        const QString &next = lines[i + 1].text;
        const qsizetype word =
            next.indexOf(QLatin1Char(' ')) < 0 ? next.size() : next.indexOf(QLatin1Char(' '));
        return std::abs(lines[i].x - lines[i + 1].x) <= 4 &&
               (lines[i].text.size() + 1 + word) * 20 > room * 19 &&
               !QStringLiteral(".!?:").contains(lines[i].text.back());
    };
    // A bullet starts a list item on the line to its right whose top is nearest to it.
    std::vector<bool> bulleted(lines.size(), false);
    for (const QPoint &b : bullets) {
        size_t nearest = lines.size();
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].x > b.x() &&
                (nearest == lines.size() ||
                 std::abs(lines[i].y - b.y()) < std::abs(lines[nearest].y - b.y())))
                nearest = i;
        }
        if (nearest < lines.size())
            bulleted[nearest] = true;
    }
    QStringList result;
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool wide = i == 0 || gaps[i - 1] * 2 > usual * 3 || bulleted[i] || !runsOn(i - 1);
        if (wide)
            result.append(lines[i].text);
        else
            result.last() += QLatin1Char(' ') + lines[i].text;
    }
    return result;
}

} // namespace wmf
