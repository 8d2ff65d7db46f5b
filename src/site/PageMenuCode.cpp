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

// The project on the page, its links given.
MenuProject withLinks(const MenuProject &project, const SiteLink::Base &base,
                      const std::function<bool(const QString &)> &isFolder, const QStringList &urls)
{
    MenuProject p = project;
    qsizetype own = -1;
    for (qsizetype i = 0; i < p.items.size(); ++i) {
        MenuItem &item = p.items[i];
        if (!rewritten(item))
            continue;
        if (own < 0 && project.selectCurrentPage && SiteLink::leadsTo(item.url, base.page, isFolder))
            own = i;
        item.url = urls.at(i);
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
    return withLinks(project, base, isFolder, linksFor(project, base));
}

MenuProject FolderLinks::forPage(const SiteLink::Base &base, const std::function<bool(const QString &)> &isFolder)
{
    // A link comes out the same for every page whose links start in the same
    // folder, unless the base is not the page's own address (then a fragment
    // alone gets the page's path).
    const QString key = base.ownAddress ? base.folder : base.folder + u'\n' + base.page;
    auto it = m_urls.find(key);
    if (it == m_urls.end())
        it = m_urls.insert(key, linksFor(m_project, base));
    return withLinks(m_project, base, isFolder, *it);
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
