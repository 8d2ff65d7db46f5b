#include "site/PageMenuCode.h"

#include "codegen/Html5MenuCode.h"
#include "codegen/MenuCodeGenerator.h"
#include "site/SiteLink.h"

namespace PageMenuCode {

namespace {

bool rewritten(const MenuItem &item)
{
    return !item.isSeparator() && item.linked == menutext::kYes;
}

// The links of the project as a page with this base writes them, one for
// each item (used where rewritten() holds).
QStringList linksFor(const MenuProject &project, const SiteLink::Base &base)
{
    QStringList urls;
    urls.reserve(project.items.size());
    for (const MenuItem &item : project.items)
        urls.append(rewritten(item) ? SiteLink::forBase(item.url, base) : QString());
    return urls;
}

// The entry each page of the site selects as its own (when the project
// selects the current page): the first that leads to it. Made for a whole
// site at once, each link read once.
QHash<QString, qsizetype> ownEntries(const MenuProject &project,
                                     const std::function<bool(const QString &)> &isFolder)
{
    QHash<QString, qsizetype> own;
    for (qsizetype i = 0; project.selectCurrentPage && i < project.items.size(); ++i) {
        const MenuItem &item = project.items.at(i);
        if (!rewritten(item))
            continue;
        for (const QString &page : SiteLink::pagesLedTo(item.url, isFolder)) {
            if (!own.contains(page))
                own.insert(page, i);
        }
    }
    return own;
}

// The project on the page, its links and own entry given.
MenuProject withLinks(const MenuProject &project, const QStringList &urls, qsizetype own)
{
    MenuProject p = project;
    for (qsizetype i = 0; i < p.items.size(); ++i) {
        if (rewritten(p.items.at(i)))
            p.items[i].url = urls.at(i);
    }
    if (own >= 0) {
        for (qsizetype i = 0; i < p.items.size(); ++i)
            p.items[i].selected = i == own ? menutext::kYes : menutext::kNo;
    }
    return p;
}

} // namespace

MenuProject forPage(const MenuProject &project, const QString &pagePath)
{
    return forPage(project, SiteLink::base(pagePath));
}

MenuProject forPage(const MenuProject &project, const SiteLink::Base &base,
                    const std::function<bool(const QString &)> &isFolder)
{
    return withLinks(project, linksFor(project, base), ownEntries(project, isFolder).value(base.page, -1));
}

qsizetype FolderLinks::ownEntry(const QString &page, const std::function<bool(const QString &)> &isFolder)
{
    if (!m_own)
        m_own = ownEntries(m_project, isFolder);
    return m_own->value(page, -1);
}

QString FolderLinks::keyOf(const SiteLink::Base &base) const
{
    // A link comes out the same for every page whose links start in the same
    // folder, unless the base is not the page's own address (then a fragment
    // alone gets the page's path).
    return base.ownAddress ? base.folder : base.folder + u'\n' + base.page;
}

MenuProject FolderLinks::forPage(const SiteLink::Base &base,
                                 const std::function<bool(const QString &)> &isFolder)
{
    const QString key = keyOf(base);
    auto it = m_urls.find(key);
    if (it == m_urls.end())
        it = m_urls.insert(key, linksFor(m_project, base));
    return withLinks(m_project, *it, ownEntry(base.page, isFolder));
}

QString FolderLinks::head(const SiteLink::Base &base)
{
    const QString key = keyOf(base);
    auto it = m_heads.find(key);
    if (it == m_heads.end())
        it = m_heads.insert(key, PageMenuCode::head(m_project, base));
    return *it;
}

QString FolderLinks::body(const SiteLink::Base &base, const std::function<bool(const QString &)> &isFolder,
                          int *variant)
{
    const qsizetype own = ownEntry(base.page, isFolder);
    const QString key = keyOf(base) + u'\n' + QString::number(own);
    auto it = m_bodies.find(key);
    if (it == m_bodies.end()) {
        const int next = int(m_bodies.size());
        it = m_bodies.insert(key, {PageMenuCode::body(forPage(base, isFolder)), next});
    }
    if (variant)
        *variant = it->second;
    return it->first;
}

QString head(const MenuProject &project, const QString &pagePath)
{
    return head(project, SiteLink::base(pagePath));
}

QString head(const MenuProject &project, const SiteLink::Base &base)
{
    if (project.dialect != CodeDialect::Html5)
        return GenerateDialectHead(project);
    return QStringLiteral("<script src=\"%1\"></script>\r\n")
        .arg(SiteLink::forBase(SiteLink::forPath(kScriptFile), base));
}

QString body(const MenuProject &pageProject)
{
    return GenerateMenuCode(codegen::kCodeMode, pageProject).body;
}

QByteArray scriptFile()
{
    QString script = Html5HeadFragment();
    script.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    const qsizetype open = script.indexOf(u'>') + 1;
    const qsizetype close = script.lastIndexOf(QLatin1StringView("</script>"));
    return script.mid(open, close - open).trimmed().toUtf8() + '\n';
}

} // namespace PageMenuCode
