#include "codegen/PreviewPageParts.h"

#include <algorithm>

namespace {

const char *const kNames[] = {"listStyle", "options", "buttonStyle", "fallback"};

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isNameLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'-';
}

// The texts classic code writes into the frame as they are.
bool plainClassicTexts(const MenuOptions &o)
{
    for (const QString *text : {&o.menuName, &o.frameName, &o.buttonText, &o.graphicUrl, &o.altText,
                                &o.graphicWidth, &o.graphicHeight}) {
        if (text->contains(u'<') || text->contains(u'>') || text->contains(u'"'))
            return false;
    }
    return true;
}

} // namespace

PreviewPageParts::PreviewPageParts(const PreviewPages &pages, const MenuCode &code,
                                   const MenuCodeSpans &spans, const MenuOptions &options)
    : m_page(pages.menuPage)
{
    const MenuCodeSpans::Span bodySpans[] = {spans.listStyle, spans.options, spans.buttonStyle,
                                             spans.fallback};
    for (int i = 0; i < PartCount; ++i) {
        m_spans[i] = bodySpans[i];
        if (m_spans[i].start >= 0) {
            m_spans[i].start += pages.bodyStart;
            m_spans[i].end += pages.bodyStart;
        }
    }
    Q_ASSERT(QStringView(m_page).mid(pages.bodyStart, code.body.size()) == code.body);
    m_partsAlone = (code.dialect != CodeDialect::Classic || plainClassicTexts(options))
                   && m_spans[Options].start >= 0 && !part(ListStyle).contains(u'"')
                   && !part(ButtonStyle).contains(u'"') && plainOptions(part(Options), &m_optionStarts)
                   && !part(Fallback).contains(QLatin1StringView("</noscript"), Qt::CaseInsensitive);
}

QStringView PreviewPageParts::part(int which) const
{
    const MenuCodeSpans::Span &span = m_spans[which];
    return span.start < 0 ? QStringView() : QStringView(m_page).mid(span.start, span.end - span.start);
}

QList<QStringView> PreviewPageParts::frame() const
{
    QList<QStringView> pieces;
    qsizetype from = 0;
    for (const MenuCodeSpans::Span &span : m_spans) {
        if (span.start < 0) {
            pieces.append(QStringView()); // a part not written is no piece of text
            continue;
        }
        pieces.append(QStringView(m_page).mid(from, span.start - from));
        from = span.end;
    }
    pieces.append(QStringView(m_page).mid(from));
    return pieces;
}

bool PreviewPageParts::canReplace(const PreviewPageParts &shown) const
{
    if (!m_partsAlone || !shown.m_partsAlone)
        return false;
    for (int i = 0; i < PartCount; ++i) {
        if ((m_spans[i].start < 0) != (shown.m_spans[i].start < 0))
            return false;
    }
    return frame() == shown.frame();
}

QJsonObject PreviewPageParts::changes(const PreviewPageParts &shown) const
{
    QJsonObject out;
    for (int i = 0; i < PartCount; ++i) {
        const QStringView text = part(i);
        if (text == shown.part(i) && (m_spans[i].start < 0) == (shown.m_spans[i].start < 0))
            continue;
        out.insert(QLatin1StringView(kNames[i]), m_spans[i].start < 0 ? QJsonValue(QJsonValue::Null)
                                                 : i == Options       ? optionChanges(shown)
                                                 : i == Fallback      ? fallbackChanges(shown)
                                                                      : QJsonValue(text.toString()));
    }
    return out;
}

namespace {

// The length of the text in common at the start, and then at the end (never
// overlapping the start's).
std::pair<qsizetype, qsizetype> common(QStringView a, QStringView b)
{
    const qsizetype most = std::min(a.size(), b.size());
    qsizetype start = 0;
    while (start < most && a[start] == b[start])
        ++start;
    qsizetype end = 0;
    while (end < most - start && a[a.size() - 1 - end] == b[b.size() - 1 - end])
        ++end;
    return {start, end};
}

// A text's length once the parser has made each CR LF one LF.
qsizetype parsedLength(QStringView text)
{
    qsizetype pairs = 0;
    for (qsizetype i = 1; i < text.size(); ++i)
        pairs += text[i - 1] == u'\r' && text[i] == u'\n';
    return text.size() - pairs;
}

} // namespace

// Options are replaced from the first that differs to the last that differs:
// an option starts where its start tag stands, in both lists.
QJsonValue PreviewPageParts::optionChanges(const PreviewPageParts &shown) const
{
    const QStringView now = part(Options), before = shown.part(Options);
    const QList<qsizetype> &a = m_optionStarts, &b = shown.m_optionStarts;
    const auto [start, end] = common(now, before);
    if (a.isEmpty() || b.isEmpty() || a[0] != b[0] || a[0] > start)
        return now.toString(); // the text before the first option changed: all of it
    const auto endOf = [](const QList<qsizetype> &starts, QStringView text, qsizetype i) {
        return i + 1 < starts.size() ? starts[i + 1] : text.size();
    };
    qsizetype kept = 0; // before
    while (kept < a.size() && kept < b.size() && a[kept] == b[kept]
           && endOf(a, now, kept) == endOf(b, before, kept) && endOf(a, now, kept) <= start)
        ++kept;
    qsizetype after = 0; // kept after, counted from the end
    while (kept + after < a.size() && kept + after < b.size()) {
        const qsizetype i = a.size() - 1 - after, j = b.size() - 1 - after;
        const qsizetype fromEnd = now.size() - a[i];
        if (fromEnd > end || before.size() - b[j] != fromEnd)
            break;
        ++after;
    }
    const qsizetype from = kept < a.size() ? a[kept] : now.size();
    const qsizetype to = after > 0 ? a[a.size() - after] : now.size();
    return QJsonObject{{QStringLiteral("from"), kept},
                       {QStringLiteral("removed"), b.size() - after - kept},
                       {QStringLiteral("markup"), now.mid(from, to - from).toString()}};
}

// The links are one text to the parser: the part between what is kept.
QJsonValue PreviewPageParts::fallbackChanges(const PreviewPageParts &shown) const
{
    const QStringView now = part(Fallback), before = shown.part(Fallback);
    auto [start, end] = common(now, before);
    while (start > 0 && now[start - 1] == u'\r') // never half of a CR LF
        --start;
    while (end > 0 && now[now.size() - end] == u'\n')
        --end;
    return QJsonObject{
        {QStringLiteral("at"), parsedLength(now.first(start))},
        {QStringLiteral("removed"), parsedLength(before.mid(start, before.size() - end - start))},
        {QStringLiteral("text"), now.mid(start, now.size() - end - start).toString()}};
}

bool PreviewPageParts::plainOptions(QStringView m, QList<qsizetype> *starts)
{
    if (starts)
        starts->clear();
    const qsizetype n = m.size();
    qsizetype i = 0;
    while (i < n) {
        if (m[i] != u'<') {
            ++i; // text (its character references read alike anywhere)
            continue;
        }
        if (m.mid(i, 9).compare(QLatin1StringView("</option>"), Qt::CaseInsensitive) == 0) {
            i += 9;
            continue;
        }
        if (m.mid(i, 7).compare(QLatin1StringView("<option"), Qt::CaseInsensitive) != 0)
            return false;
        if (starts)
            starts->append(i);
        i += 7;
        if (i >= n || !(isSpace(m[i]) || m[i] == u'>'))
            return false;
        // The attributes: names, each with a value in double quotes or none.
        for (;;) {
            while (i < n && isSpace(m[i]))
                ++i;
            if (i >= n)
                return false;
            if (m[i] == u'>') {
                ++i;
                break;
            }
            const qsizetype name = i;
            while (i < n && isNameLetter(m[i]))
                ++i;
            if (i == name || i >= n)
                return false;
            if (m[i] == u'=') {
                if (i + 1 >= n || m[i + 1] != u'"')
                    return false;
                const qsizetype close = m.indexOf(u'"', i + 2);
                if (close < 0)
                    return false;
                i = close + 1;
                if (i >= n || !(isSpace(m[i]) || m[i] == u'>'))
                    return false;
            } else if (!isSpace(m[i]) && m[i] != u'>') {
                return false;
            }
        }
    }
    return true;
}
