#include "codegen/PreviewPageParts.h"

#include <QJsonValue>

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
                   && !part(ButtonStyle).contains(u'"') && plainOptions(part(Options))
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
        out.insert(QLatin1StringView(kNames[i]),
                   m_spans[i].start < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(text.toString()));
    }
    return out;
}

bool PreviewPageParts::plainOptions(QStringView m)
{
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
