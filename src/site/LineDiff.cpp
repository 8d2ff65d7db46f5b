#include "site/LineDiff.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace {

QStringList linesOf(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

struct Step {
    QChar mark;
    int oldLine; // from 0
    int newLine;
};

// Myers' O(ND) difference in linear space: the shortest edit script between
// two sequences of line numbers, found by splitting at the middle of the
// shortest path (bisect) and recursing on both halves. It marks the lines that
// are not in the longest common subsequence; the two buffers for the paths
// are made once, at the size of the whole.
class Bisection {
public:
    Bisection(const std::vector<int> &a, const std::vector<int> &b, std::vector<bool> *outA,
              std::vector<bool> *outB)
        : m_a(a), m_b(b), m_outA(*outA), m_outB(*outB), m_forward(a.size() + b.size() + 4),
          m_backward(a.size() + b.size() + 4)
    {
    }

    void compare(int aLo, int aHi, int bLo, int bHi)
    {
        while (aLo < aHi && bLo < bHi && m_a[aLo] == m_b[bLo])
            ++aLo, ++bLo;
        while (aLo < aHi && bLo < bHi && m_a[aHi - 1] == m_b[bHi - 1])
            --aHi, --bHi;
        if (aLo == aHi || bLo == bHi) {
            for (int i = aLo; i < aHi; ++i)
                m_outA[i] = true;
            for (int j = bLo; j < bHi; ++j)
                m_outB[j] = true;
            return;
        }
        const auto [x, y] = middle(aLo, aHi, bLo, bHi);
        compare(aLo, aLo + x, bLo, bLo + y);
        compare(aLo + x, aHi, bLo + y, bHi);
    }

private:
    // A point (x, y), relative to the corner, on a shortest path through the
    // box whose two halves each need at most half of its edits. The box has
    // no common head or tail, so the point is not a corner.
    std::pair<int, int> middle(int aLo, int aHi, int bLo, int bHi)
    {
        const int n = aHi - aLo;
        const int m = bHi - bLo;
        const int maxD = (n + m + 1) / 2;
        const int offset = maxD;
        const int length = 2 * maxD + 2;
        std::fill_n(m_forward.begin(), length, -1);
        std::fill_n(m_backward.begin(), length, -1);
        m_forward[offset + 1] = 0;
        m_backward[offset + 1] = 0;
        const int delta = n - m;
        const bool front = delta % 2 != 0; // the forward path meets the backward one
        int k1start = 0, k1end = 0, k2start = 0, k2end = 0;
        for (int d = 0; d < maxD; ++d) {
            for (int k1 = -d + k1start; k1 <= d - k1end; k1 += 2) {
                const int at = offset + k1;
                int x1 = k1 == -d || (k1 != d && m_forward[at - 1] < m_forward[at + 1])
                             ? m_forward[at + 1]
                             : m_forward[at - 1] + 1;
                int y1 = x1 - k1;
                while (x1 < n && y1 < m && m_a[aLo + x1] == m_b[bLo + y1])
                    ++x1, ++y1;
                m_forward[at] = x1;
                if (x1 > n) {
                    k1end += 2;
                } else if (y1 > m) {
                    k1start += 2;
                } else if (front) {
                    const int back = offset + delta - k1;
                    if (back >= 0 && back < length && m_backward[back] != -1 && x1 >= n - m_backward[back])
                        return {x1, y1};
                }
            }
            for (int k2 = -d + k2start; k2 <= d - k2end; k2 += 2) {
                const int at = offset + k2;
                int x2 = k2 == -d || (k2 != d && m_backward[at - 1] < m_backward[at + 1])
                             ? m_backward[at + 1]
                             : m_backward[at - 1] + 1;
                int y2 = x2 - k2;
                while (x2 < n && y2 < m && m_a[aHi - 1 - x2] == m_b[bHi - 1 - y2])
                    ++x2, ++y2;
                m_backward[at] = x2;
                if (x2 > n) {
                    k2end += 2;
                } else if (y2 > m) {
                    k2start += 2;
                } else if (!front) {
                    const int fore = offset + delta - k2;
                    if (fore >= 0 && fore < length && m_forward[fore] != -1) {
                        const int x1 = m_forward[fore];
                        if (x1 >= n - x2)
                            return {x1, offset + x1 - fore};
                    }
                }
            }
        }
        return {n, 0}; // unreachable: the paths always meet by maxD
    }

    const std::vector<int> &m_a;
    const std::vector<int> &m_b;
    std::vector<bool> &m_outA;
    std::vector<bool> &m_outB;
    std::vector<int> m_forward;
    std::vector<int> m_backward;
};

// The edit script of a and b: unchanged lines (' '), lines taken out ('-')
// before the lines put in ('+') in each changed part.
std::vector<Step> script(const QStringList &a, const QStringList &b)
{
    // Lines as numbers; a line that the other text does not hold is changed
    // whatever else happens, so the search runs only over the others.
    QHash<QString, int> ids;
    const auto idOf = [&ids](const QString &line) {
        auto found = ids.constFind(line);
        return found != ids.cend() ? found.value() : ids.insert(line, int(ids.size())).value();
    };
    std::vector<int> idA(a.size()), idB(b.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        idA[i] = idOf(a.at(i));
    std::vector<bool> inA(ids.size(), false);
    for (const int id : idA)
        inA[id] = true;
    for (qsizetype j = 0; j < b.size(); ++j)
        idB[j] = idOf(b.at(j));
    std::vector<bool> inB(ids.size(), false);
    for (const int id : idB)
        inB[id] = true;
    std::vector<int> keptA, keptB, whereA, whereB; // the lines searched, and where they stand
    for (int i = 0; i < int(idA.size()); ++i) {
        if (inB[idA[i]]) {
            keptA.push_back(idA[i]);
            whereA.push_back(i);
        }
    }
    for (int j = 0; j < int(idB.size()); ++j) {
        if (idB[j] < int(inA.size()) && inA[idB[j]]) {
            keptB.push_back(idB[j]);
            whereB.push_back(j);
        }
    }
    std::vector<bool> changedA(a.size(), true), changedB(b.size(), true);
    {
        std::vector<bool> keptChangedA(keptA.size(), false), keptChangedB(keptB.size(), false);
        Bisection(keptA, keptB, &keptChangedA, &keptChangedB)
            .compare(0, int(keptA.size()), 0, int(keptB.size()));
        for (size_t k = 0; k < keptA.size(); ++k)
            changedA[whereA[k]] = keptChangedA[k];
        for (size_t k = 0; k < keptB.size(); ++k)
            changedB[whereB[k]] = keptChangedB[k];
    }
    std::vector<Step> steps;
    steps.reserve(a.size() + b.size());
    int i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && changedA[i])
            steps.push_back({u'-', i++, j});
        else if (j < b.size() && changedB[j])
            steps.push_back({u'+', i, j++});
        else
            steps.push_back({u' ', i++, j++});
    }
    return steps;
}

} // namespace

namespace LineDiff {

QList<Line> changes(const QString &oldText, const QString &newText, int context)
{
    const QStringList a = linesOf(oldText);
    const QStringList b = linesOf(newText);
    const std::vector<Step> steps = script(a, b);
    const int count = int(steps.size());
    std::vector<bool> shown(steps.size(), false);
    for (int k = 0; k < count; ++k) {
        if (steps[k].mark == u' ')
            continue;
        for (int c = std::max(0, k - context); c <= std::min(count - 1, k + context); ++c)
            shown[c] = true;
    }
    QList<Line> out;
    bool gap = false;
    for (int k = 0; k < count; ++k) {
        if (!shown[k]) {
            gap = !out.isEmpty();
            continue;
        }
        if (gap)
            out.append({u'.', 0, QStringLiteral("...")});
        gap = false;
        const Step &s = steps[k];
        out.append(s.mark == u'+' ? Line{s.mark, s.newLine + 1, b.at(s.newLine)}
                                  : Line{s.mark, s.oldLine + 1, a.at(s.oldLine)});
    }
    return out;
}

QString text(const QList<Line> &lines)
{
    QString out;
    for (const Line &line : lines) {
        if (line.mark == u'.')
            out += QLatin1StringView("...\n");
        else
            out += QStringLiteral("%1 %2 | %3\n").arg(line.mark).arg(line.number, 5).arg(line.text);
    }
    return out;
}

} // namespace LineDiff
