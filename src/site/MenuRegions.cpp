#include "site/MenuRegions.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>

namespace {

const QString kWord = QStringLiteral("quillnav");

} // namespace

MenuRegionMark MenuRegionMark::of(const QString &commentText)
{
    MenuRegionMark m;
    const QString text = commentText.simplified();
    if (!text.startsWith(kWord + u' '))
        return m;
    QString rest = text.mid(kWord.size() + 1);
    for (const Kind kind : {Begin, End}) {
        const QString word = kind == Begin ? QStringLiteral("begin ") : QStringLiteral("end ");
        for (const Part part : {Body, Head}) {
            const QString tail = u' ' + partWord(part);
            if (rest.startsWith(word) && rest.endsWith(tail) && rest.size() > word.size() + tail.size()) {
                m.kind = kind;
                m.part = part;
                m.name = rest.mid(word.size(), rest.size() - word.size() - tail.size());
                return m;
            }
        }
    }
    m.kind = Placeholder;
    m.name = rest;
    return m;
}

QString MenuRegionMark::partWord(Part part)
{
    return part == Head ? QStringLiteral("head") : QStringLiteral("body");
}

QString MenuRegionMark::placeholder(const QString &name)
{
    return QStringLiteral("<!-- quillnav %1 -->").arg(key(name));
}

QString MenuRegionMark::begin(const QString &name, Part part)
{
    return QStringLiteral("<!-- quillnav begin %1 %2 -->").arg(key(name), partWord(part));
}

QString MenuRegionMark::end(const QString &name, Part part)
{
    return QStringLiteral("<!-- quillnav end %1 %2 -->").arg(key(name), partWord(part));
}

bool MenuRegionMark::appearsIn(QStringView text, const QString &name)
{
    const QString key = MenuRegionMark::key(name);
    if (key.isEmpty())
        return false;
    const QList<QStringView> words = QStringView(key).split(u' ');
    const auto blanks = [&](qsizetype &at) {
        const qsizetype from = at;
        while (at < text.size() && text.at(at).isSpace())
            ++at;
        return at > from;
    };
    const auto word = [&](qsizetype &at, QStringView w) {
        if (!text.sliced(at).startsWith(w))
            return false;
        at += w.size();
        return true;
    };
    const auto menuName = [&](qsizetype &at) {
        for (qsizetype i = 0; i < words.size(); ++i) {
            if ((i > 0 && !blanks(at)) || !word(at, words.at(i)))
                return false;
        }
        return true;
    };
    const auto closes = [&](qsizetype at) {
        blanks(at);
        return at == text.size() || text.sliced(at).startsWith(u"--");
    };
    for (qsizetype i = text.indexOf(kWord); i >= 0; i = text.indexOf(kWord, i + 1)) {
        qsizetype before = i;
        while (before > 0 && text.at(before - 1).isSpace())
            --before;
        qsizetype at = i + kWord.size();
        if (before < 4 || text.sliced(before - 4, 4) != u"<!--" || !blanks(at))
            continue;
        if (qsizetype p = at; menuName(p) && closes(p))
            return true;
        for (const QStringView kind : {u"begin", u"end"}) {
            qsizetype p = at;
            if (!word(p, kind) || !blanks(p) || !menuName(p) || !blanks(p))
                continue;
            for (const QStringView part : {u"body", u"head"}) {
                if (qsizetype q = p; word(q, part) && closes(q))
                    return true;
            }
        }
    }
    return false;
}

bool MenuRegionMark::appearsInUtf8(QByteArrayView utf8, const QString &name)
{
    // Around each "quillnav": back over what may be blanks (ASCII blanks, or
    // any character outside ASCII) to the "<!--", on to the next "--".
    for (qsizetype i = utf8.indexOf("quillnav"); i >= 0; i = utf8.indexOf("quillnav", i + 1)) {
        qsizetype from = i;
        while (from > 0 && (uchar(utf8.at(from - 1)) >= 0x80 || QChar::isSpace(uchar(utf8.at(from - 1)))))
            --from;
        from = std::max<qsizetype>(0, from - 4);
        const qsizetype dashes = utf8.indexOf("--", i);
        const qsizetype to = dashes < 0 ? utf8.size() : dashes + 2;
        if (appearsIn(QString::fromUtf8(utf8.sliced(from, to - from)), name))
            return true;
    }
    return false;
}

bool MenuRegionMark::isPlaceholderOf(const QString &comment, const QString &name)
{
    if (!comment.startsWith(QLatin1StringView("<!--")) || !comment.endsWith(QLatin1StringView("-->"))
        || comment.size() < 7)
        return false;
    const QString inner = comment.mid(4, comment.size() - 7);
    if (inner.contains(QLatin1StringView("--")) || inner.contains(u'<') || inner.contains(u'>')
        || inner.endsWith(u'-'))
        return false;
    const MenuRegionMark mark = of(inner);
    return mark.kind == Placeholder && mark.name == key(name);
}

QString MenuRegionMark::nameProblem(const QString &name)
{
    if (name.contains(QLatin1StringView("--")) || name.contains(u'<') || name.contains(u'>'))
        return QCoreApplication::translate(
                   "MenuRegionMark",
                   "The menu name \"%1\" cannot stand in a page's comment: it holds \"--\", \"<\" or \">\".")
            .arg(name);
    return {};
}
