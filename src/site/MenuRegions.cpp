#include "site/MenuRegions.h"

#include <QCoreApplication>

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
