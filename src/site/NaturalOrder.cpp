#include "site/NaturalOrder.h"

namespace NaturalOrder {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The end of the run of digits that starts at `from`.
qsizetype digitsEnd(const QString &s, qsizetype from)
{
    while (from < s.size() && isDigit(s.at(from)))
        ++from;
    return from;
}

// Compares two runs of digits by their value: leading zeros aside, the longer
// run is the larger number, and runs of one length compare digit by digit.
int compareNumbers(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == u'0')
        a = a.sliced(1);
    while (b.size() > 1 && b.front() == u'0')
        b = b.sliced(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

int compare(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a.at(i)) && isDigit(b.at(j))) {
            const qsizetype ie = digitsEnd(a, i);
            const qsizetype je = digitsEnd(b, j);
            if (const int c =
                    compareNumbers(QStringView(a).sliced(i, ie - i), QStringView(b).sliced(j, je - j)))
                return c;
            i = ie;
            j = je;
            continue;
        }
        const QChar ca = a.at(i).toCaseFolded();
        const QChar cb = b.at(j).toCaseFolded();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return a.compare(b);
}

} // namespace NaturalOrder
