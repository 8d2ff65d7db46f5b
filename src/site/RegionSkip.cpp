#include "site/RegionSkip.h"

#include "site/MenuRegions.h"

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Elements after whose tag the rest is read otherwise: raw text and
// character data, a template's inert contents, SVG and MathML, and a
// frameset (which takes the body out of the page).
bool changesReading(QByteArrayView name)
{
    static const char *const names[] = {"script", "style",   "textarea", "title",     "xmp",
                                        "iframe", "noembed", "noframes", "plaintext", "template",
                                        "svg",    "math",    "frameset"};
    for (const char *n : names) {
        if (name.compare(QByteArrayView(n), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

bool RegionSkip::isNeutral(QByteArrayView s)
{
    const qsizetype n = s.size();
    const auto at = [&](qsizetype k) { return k < n ? s.at(k) : '\0'; };
    if (s.indexOf("-->") >= 0)
        return false;
    for (qsizetype i = s.indexOf('<'); i >= 0; i = s.indexOf('<', i)) {
        qsizetype k = i + 1;
        if (at(k) == '/')
            ++k;
        if (!isAlpha(at(k))) {
            if (k > i + 1 || at(k) == '!' || at(k) == '?')
                return false; // "</" not before a letter, "<!", "<?": comments of a kind
            ++i;              // a '<' of the text
            continue;
        }
        const qsizetype nameStart = k;
        while (k < n && !isSpace(s.at(k)) && s.at(k) != '/' && s.at(k) != '>')
            ++k;
        if (k - nameStart >= 3 && k - nameStart <= 9 && changesReading(s.sliced(nameStart, k - nameStart)))
            return false;
        // The attributes, up to the '>' that ends the tag.
        for (;;) {
            while (k < n && (isSpace(s.at(k)) || s.at(k) == '/'))
                ++k;
            if (k >= n)
                return false;
            if (s.at(k) == '>')
                break;
            ++k; // an attribute's name (its first character may be '=')
            while (k < n && !isSpace(s.at(k)) && s.at(k) != '/' && s.at(k) != '>' && s.at(k) != '=')
                ++k;
            while (k < n && isSpace(s.at(k)))
                ++k;
            if (at(k) != '=')
                continue;
            ++k;
            while (k < n && isSpace(s.at(k)))
                ++k;
            if (at(k) == '"' || at(k) == '\'') {
                const qsizetype close = s.indexOf(s.at(k), k + 1);
                if (close < 0)
                    return false;
                k = close + 1;
            } else {
                while (k < n && !isSpace(s.at(k)) && s.at(k) != '>')
                    ++k;
            }
        }
        i = k + 1;
    }
    return true;
}

RegionSkip RegionSkip::of(const QByteArray &utf8, const QString &menuName)
{
    RegionSkip skip;
    if (menuName.isEmpty())
        return skip;
    const QByteArray begin = MenuRegionMark::begin(menuName, MenuRegionMark::Body).toUtf8();
    const QByteArray end = MenuRegionMark::end(menuName, MenuRegionMark::Body).toUtf8();
    const qsizetype b = utf8.indexOf(begin);
    if (b < 0)
        return skip;
    const qsizetype from = b + begin.size();
    const qsizetype to = utf8.indexOf(end, from);
    if (to < 0 || !isNeutral(QByteArrayView(utf8).sliced(from, to - from)))
        return skip;
    skip.from = from;
    skip.length = to - from;
    return skip;
}
