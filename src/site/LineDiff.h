#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The changed lines between two texts, for a reader: the lines taken out
// ("-") and put in ("+") with a few unchanged lines around them (" "), each
// with its line number in the old or the new text; "..." between parts.
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
