#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The changed lines between two texts, for a reader: the lines taken out
// ("-") and put in ("+") with a few unchanged lines around them (" "), each
// with its line number in the old or the new text; "..." between parts.
// The changes are a shortest edit (the fewest lines taken out and put in),
// found by Myers' O(ND) method in memory linear in the number of lines, so a
// long page with a few changes shows just those. No library was taken:
// Debian's dtl gives up on large differences and marks everything changed.
namespace LineDiff {

struct Line {
    QChar mark;     // '-', '+', ' ', or '.' for the gap between parts
    int number = 0; // in the old text for '-' and ' ', in the new for '+'
    QString text;
};

QList<Line> changes(const QString &oldText, const QString &newText, int context = 2);

// The same as text: "-  12 | line".
QString text(const QList<Line> &lines);

} // namespace LineDiff
