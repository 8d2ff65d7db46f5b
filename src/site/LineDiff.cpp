#include "site/LineDiff.h"

#include <QRegularExpression>

#include <vector>

namespace {

// Lines longer than a screen need no finer diff than a whole block past this.
constexpr qsizetype kMaxTable = 4'000'000;

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

// The edit script of a and b between their common head and tail, by the
// longest common subsequence (a whole block when that table would be too large).
std::vector<Step> script(const QStringList &a, const QStringList &b)
{
    int head = 0;
    while (head < a.size() && head < b.size() && a.at(head) == b.at(head))
        ++head;
    int tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a.at(a.size() - 1 - tail) == b.at(b.size() - 1 - tail))
        ++tail;
    const int n = int(a.size()) - head - tail;
    const int m = int(b.size()) - head - tail;
    std::vector<Step> steps;
    for (int i = 0; i < head; ++i)
        steps.push_back({u' ', i, i});
    if (qsizetype(n + 1) * (m + 1) > kMaxTable) {
        for (int i = 0; i < n; ++i)
            steps.push_back({u'-', head + i, head});
        for (int j = 0; j < m; ++j)
            steps.push_back({u'+', head + n, head + j});
    } else {
        std::vector<int> lcs(size_t(n + 1) * (m + 1), 0);
        const auto at = [&](int i, int j) -> int & { return lcs[size_t(i) * (m + 1) + j]; };
        for (int i = n - 1; i >= 0; --i)
            for (int j = m - 1; j >= 0; --j)
                at(i, j) = a.at(head + i) == b.at(head + j) ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        int i = 0, j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && a.at(head + i) == b.at(head + j))
                steps.push_back({u' ', head + i++, head + j++});
            else if (j < m && (i == n || at(i, j + 1) >= at(i + 1, j)))
                steps.push_back({u'+', head + i, head + j++});
            else
                steps.push_back({u'-', head + i++, head + j});
        }
    }
    for (int k = 0; k < tail; ++k)
        steps.push_back({u' ', head + n + k, head + m + k});
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
