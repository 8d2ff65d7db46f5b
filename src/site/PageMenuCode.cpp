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

// The project on the page, its links given (one for each item, used where
// rewritten() holds).
MenuProject withLinks(const MenuProject &project, const QString &pagePath, const QStringList &urls)
{
    MenuProject p = project;
    qsizetype own = -1;
    for (qsizetype i = 0; i < p.items.size(); ++i) {
        MenuItem &item = p.items[i];
        if (!rewritten(item))
            continue;
        if (own < 0 && project.selectCurrentPage && SiteLink::leadsTo(item.url, pagePath))
            own = i;
        item.url = urls.at(i);
    }
    if (own >= 0) {
        for (qsizetype i = 0; i < p.items.size(); ++i)
            p.items[i].selected = i == own ? menutext::kYes : menutext::kNo;
    }
    return p;
}

QStringList linksFor(const MenuProject &project, const QString &pagePath)
{
    QStringList urls;
    urls.reserve(project.items.size());
    for (const MenuItem &item : project.items)
        urls.append(rewritten(item) ? SiteLink::forPage(item.url, pagePath) : QString());
    return urls;
}

} // namespace

MenuProject forPage(const MenuProject &project, const QString &pagePath)
{
    return withLinks(project, pagePath, linksFor(project, pagePath));
}

MenuProject FolderLinks::forPage(const QString &pagePath)
{
    const QString folder = pagePath.left(pagePath.lastIndexOf(u'/') + 1);
    auto it = m_urls.find(folder);
    if (it == m_urls.end())
        it = m_urls.insert(folder, linksFor(m_project, pagePath));
    return withLinks(m_project, pagePath, *it);
}

QString head(const MenuProject &project, const QString &pagePath)
{
    if (project.dialect != CodeDialect::Html5)
        return GenerateDialectHead(project);
    return QStringLiteral("<script src=\"%1%2\"></script>\r\n")
        .arg(SiteLink::upToSite(pagePath), kScriptFile);
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
