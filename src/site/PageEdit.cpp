#include "site/PageEdit.h"

#include "site/PageEncoder.h"
#include "site/PageText.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString withoutBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            out += c;
    }
    return out;
}

} // namespace

bool PageEdit::fail(const QString &reason)
{
    m_reason = reason;
    return false;
}

qint64 PageEdit::lineOf(qint64 byteOffset) const
{
    // Lines end with LF, CR LF or a lone CR, as a browser counts them.
    const QByteArrayView b = QByteArrayView(m_page->bytes()).first(byteOffset);
    qint64 lines = b.count('\n') + 1;
    for (qsizetype at = b.indexOf('\r'); at >= 0; at = b.indexOf('\r', at + 1))
        lines += at + 1 == b.size() || b.at(at + 1) != '\n';
    return lines;
}

QByteArray PageEdit::indentAt(qint64 byteOffset) const
{
    const QByteArray &b = m_page->bytes();
    qint64 start = byteOffset;
    while (start > 0 && b.at(start - 1) != '\n' && b.at(start - 1) != '\r')
        --start;
    qint64 end = start;
    while (end < byteOffset && (b.at(end) == ' ' || b.at(end) == '\t'))
        ++end;
    return b.mid(start, end - start);
}

// Where the next begin of the menu's part stands after marks[from], in the
// page's bytes; -1 when none follows.
qint64 PageEdit::laterBegin(const QList<PageMark> &marks, const QList<qint64> &byteStarts, qsizetype from,
                            const QString &key, int part)
{
    for (qsizetype i = from + 1; i < marks.size(); ++i) {
        if (marks.at(i).kind != PageMark::Comment)
            continue;
        const MenuRegionMark mark = MenuRegionMark::of(QString::fromUtf8(marks.at(i).text));
        if (mark.kind == MenuRegionMark::Begin && mark.name == key && mark.part == part)
            return byteStarts.at(i);
    }
    return -1;
}

QByteArray PageEdit::regionBytes(MenuRegionMark::Part part) const
{
    const Span &span = part == MenuRegionMark::Head ? m_head : m_body;
    return span.start < 0 ? QByteArray() : m_page->bytes().mid(span.start, span.end - span.start);
}

QString PageEdit::placeholderText() const
{
    // A placeholder's "inner" offsets are its comment's end and start in the UTF-8 text.
    if (m_placeholder.start < 0)
        return {};
    return QString::fromUtf8(
        m_page->utf8().mid(m_placeholder.innerEnd, m_placeholder.innerStart - m_placeholder.innerEnd));
}

bool PageEdit::locate(const PageText &page, const QList<PageMark> &marks, const QString &menuName)
{
    m_page = &page;
    m_placeholder = m_body = m_head = Span();
    m_headEnd = -1;
    m_otherHeads.clear();
    m_reason.clear();
    m_twice.clear();
    const QByteArray &utf8 = page.utf8();
    QList<qint64> starts;
    QList<qint64> ends;
    for (const PageMark &m : marks) {
        starts.append(m.start);
        if (m.kind == PageMark::Comment)
            ends.append(m.end > 0 && m.end <= utf8.size() && utf8.at(m.end - 1) == '>' ? m.end - 1 : m.end);
    }
    const QList<qint64> byteStarts = page.byteOffsets(starts, '<');
    const QList<qint64> byteEnds = page.byteOffsets(ends, '>');
    const QString key = MenuRegionMark::key(menuName);
    // The regions in the order of the page: a begin waits for its end.
    Span open[2];
    QString openOther;
    Span otherOpen;
    qsizetype e = 0;
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const PageMark &m = marks.at(i);
        Span s;
        s.start = byteStarts.at(i);
        if (m.kind == PageMark::HeadEnd) {
            if (s.start < 0 || !page.bytes().mid(s.start, 2).startsWith("</"))
                return fail(
                    QCoreApplication::translate("PageEdit", "Its </head> could not be found in its bytes."));
            m_headEnd = s.start;
            continue;
        }
        if (m.kind != PageMark::Comment)
            continue;
        const qint64 endByte = byteEnds.at(e);
        s.end = endByte < 0 ? -1 : (ends.at(e) == m.end ? endByte : endByte + 1);
        ++e;
        if (s.start < 0 || s.end < 0 || !page.bytes().mid(s.start, 4).startsWith("<!--"))
            return fail(QCoreApplication::translate(
                "PageEdit", "A comment of Quillnav's could not be found in its bytes."));
        s.innerStart = m.end;
        s.innerEnd = m.start;
        const MenuRegionMark mark = MenuRegionMark::of(QString::fromUtf8(m.text));
        if (mark.kind == MenuRegionMark::None)
            continue;
        if (mark.name != key) {
            if (mark.part != MenuRegionMark::Head)
                continue;
            if (mark.kind == MenuRegionMark::Begin) {
                openOther = mark.name;
                otherOpen = s;
            } else if (mark.kind == MenuRegionMark::End && openOther == mark.name) {
                otherOpen.innerEnd = s.innerEnd;
                m_otherHeads.append({openOther, otherOpen});
                openOther.clear();
            }
            continue;
        }
        const QString partWord = MenuRegionMark::partWord(mark.part);
        Span &region = mark.part == MenuRegionMark::Head ? m_head : m_body;
        Span &pending = open[mark.part];
        switch (mark.kind) {
        case MenuRegionMark::Placeholder:
            // Refused when publishing (apply), or with a region of the menu;
            // taking out the menu has nothing to do on such a page.
            if (m_placeholder.start >= 0) {
                if (m_twice.isEmpty())
                    m_twice = QCoreApplication::translate(
                                  "PageEdit",
                                  "It holds the placeholder of the menu \"%1\" twice (lines %2 and %3).")
                                  .arg(key)
                                  .arg(lineOf(m_placeholder.start))
                                  .arg(lineOf(s.start));
                break;
            }
            m_placeholder = s;
            break;
        case MenuRegionMark::Begin:
            if (pending.start >= 0 || region.start >= 0)
                return fail(QCoreApplication::translate(
                                "PageEdit", "The %1 region of the menu \"%2\" begins again on line %3.")
                                .arg(partWord, key)
                                .arg(lineOf(s.start)));
            pending = s;
            break;
        case MenuRegionMark::End:
            if (pending.start < 0) {
                if (const qint64 later = laterBegin(marks, byteStarts, i, key, mark.part); later >= 0)
                    return fail(QCoreApplication::translate(
                                    "PageEdit", "The %1 region of the menu \"%2\" ends on line %3 before it "
                                                "begins on line %4; the page was left as it is.")
                                    .arg(partWord, key)
                                    .arg(lineOf(s.start))
                                    .arg(lineOf(later)));
                return fail(QCoreApplication::translate(
                                "PageEdit",
                                "The %1 region of the menu \"%2\" ends on line %3 but does not begin "
                                "before; the page was left as it is.")
                                .arg(partWord, key)
                                .arg(lineOf(s.start)));
            }
            region = pending;
            region.end = s.end;
            region.innerEnd = s.innerEnd;
            pending = Span();
            break;
        case MenuRegionMark::None:
            break;
        }
    }
    for (const MenuRegionMark::Part part : {MenuRegionMark::Body, MenuRegionMark::Head}) {
        if (open[part].start >= 0)
            return fail(QCoreApplication::translate(
                            "PageEdit",
                            "The %1 region of the menu \"%2\" begins on line %3 but has no end; the "
                            "page was left as it is.")
                            .arg(MenuRegionMark::partWord(part), key)
                            .arg(lineOf(open[part].start)));
    }
    if (!m_twice.isEmpty() && (m_body.start >= 0 || m_head.start >= 0))
        return fail(m_twice);
    if (m_placeholder.start >= 0 && m_body.start >= 0)
        return fail(QCoreApplication::translate(
                        "PageEdit", "It holds both the placeholder of the menu \"%1\" (line %2) and the menu "
                                    "itself (line %3).")
                        .arg(key)
                        .arg(lineOf(m_placeholder.start))
                        .arg(lineOf(m_body.start)));
    return true;
}

QByteArray PageEdit::region(const QString &name, MenuRegionMark::Part part, const QString &code,
                            const QByteArray &indent) const
{
    const QString eol = QString::fromLatin1(m_page->lineEnd());
    const QString pad = QString::fromLatin1(indent);
    const QString begin = MenuRegionMark::begin(name, part);
    const QString end = MenuRegionMark::end(name, part);
    // One pass over the code's lines, into a text sized once: a large menu's
    // region runs to thousands of lines in every page.
    const QStringView crlf = u"\r\n";
    const qsizetype lines = code.count(crlf) + 1;
    QString text;
    text.reserve(begin.size() + code.size() + lines * (eol.size() + pad.size()) + end.size());
    text += begin;
    for (qsizetype at = 0; at < code.size();) {
        qsizetype next = code.indexOf(crlf, at);
        if (next < 0)
            next = code.size();
        text += eol;
        if (next > at) {
            text += pad;
            text += QStringView(code).sliced(at, next - at);
        }
        at = next + crlf.size();
    }
    text += eol;
    text += pad;
    text += end;
    return PageEncoder::encode(text, m_page->encoding());
}

bool PageEdit::checkClassic(const Menu &menu)
{
    if (!menu.classic)
        return true;
    const QString ours = withoutBlanks(menu.head);
    for (const auto &[name, span] : std::as_const(m_otherHeads)) {
        const QString theirs = withoutBlanks(
            QString::fromUtf8(m_page->utf8().mid(span.innerStart, span.innerEnd - span.innerStart)));
        if (theirs.contains(QLatin1StringView("functiongothere(")) && theirs != ours)
            return fail(QCoreApplication::translate(
                            "PageEdit",
                            "The menus \"%1\" and \"%2\" are both in the classic code with different "
                            "link targets: their scripts define the same function, so only one of "
                            "them would work on this page. Give them the same link target, or make "
                            "one of them HTML5.")
                            .arg(MenuRegionMark::key(menu.name), name));
    }
    return true;
}

PageEdit::State PageEdit::apply(const Menu &menu)
{
    m_bytes.clear();
    m_written[0].clear();
    m_written[1].clear();
    const QByteArray &old = m_page->bytes();
    bool exact = true;
    PageEncoder::encode(MenuRegionMark::placeholder(menu.name), m_page->encoding(), &exact);
    if (!exact) {
        m_reason = QCoreApplication::translate(
                       "PageEdit", "The menu name \"%1\" cannot be written in the page's encoding %2.")
                       .arg(menu.name, QString::fromLatin1(m_page->encoding()));
        return Failed;
    }
    if (!m_twice.isEmpty()) { // and no region (locate)
        m_reason = menu.unpublish ? QString() : m_twice;
        return menu.unpublish ? UpToDate : Failed;
    }
    QList<Edit> edits;
    if (menu.unpublish) {
        if (m_body.start < 0 && m_head.start < 0) {
            m_reason = m_placeholder.start >= 0
                           ? QString()
                           : QCoreApplication::translate("PageEdit", "The menu is not in this page.");
            return m_placeholder.start >= 0 ? UpToDate : NoPlaceholder;
        }
        if (m_body.start >= 0) {
            bool same = MenuRegionMark::isPlaceholderOf(menu.placeholder, menu.name);
            const QByteArray earlier =
                same ? PageEncoder::encode(menu.placeholder, m_page->encoding(), &same) : QByteArray();
            edits.append(
                {m_body.start, m_body.end,
                 same ? earlier
                      : PageEncoder::encode(MenuRegionMark::placeholder(menu.name), m_page->encoding())});
        }
        if (m_head.start >= 0) {
            // The line end and indent that publishing added after the region go with it.
            qint64 end = m_head.end;
            const QByteArray after = m_page->lineEnd() + indentAt(m_head.start);
            if (old.mid(end, after.size()) == after)
                end += after.size();
            edits.append({m_head.start, end, QByteArray()});
        }
    } else {
        if (m_placeholder.start < 0 && m_body.start < 0) {
            m_reason = QCoreApplication::translate("PageEdit", "It holds no placeholder of the menu.");
            return NoPlaceholder;
        }
        if (!checkClassic(menu))
            return Failed;
        const Span &body = m_body.start >= 0 ? m_body : m_placeholder;
        m_written[MenuRegionMark::Body] =
            region(menu.name, MenuRegionMark::Body, menu.body, indentAt(body.start));
        edits.append({body.start, body.end, m_written[MenuRegionMark::Body]});
        if (m_head.start >= 0) {
            m_written[MenuRegionMark::Head] =
                region(menu.name, MenuRegionMark::Head, menu.head, indentAt(m_head.start));
            edits.append({m_head.start, m_head.end, m_written[MenuRegionMark::Head]});
        } else if (m_headEnd >= 0) {
            const QByteArray indent = indentAt(m_headEnd);
            m_written[MenuRegionMark::Head] = region(menu.name, MenuRegionMark::Head, menu.head, indent);
            edits.append(
                {m_headEnd, m_headEnd, m_written[MenuRegionMark::Head] + m_page->lineEnd() + indent});
        } else {
            m_reason = QCoreApplication::translate(
                "PageEdit", "It has no </head> tag, before which the menu's script goes.");
            return Failed;
        }
    }
    std::sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) { return a.start < b.start; });
    m_regionBytes = 0;
    for (const Edit &edit : std::as_const(edits))
        m_regionBytes += menu.unpublish ? 0 : edit.bytes.size();
    m_bytes.reserve(old.size() + 4096);
    qint64 at = 0;
    for (const Edit &edit : std::as_const(edits)) {
        if (edit.start < at) {
            m_reason =
                QCoreApplication::translate("PageEdit", "The menu's head region and body region overlap.");
            m_bytes.clear();
            return Failed;
        }
        m_bytes.append(old.constData() + at, edit.start - at);
        m_bytes.append(edit.bytes);
        at = edit.end;
    }
    m_bytes.append(old.constData() + at, old.size() - at);
    return m_bytes == old ? UpToDate : Changes;
}
