#include "site/PageMenuCode.h"

#include "codegen/Html5MenuCode.h"
#include "codegen/MenuCodeGenerator.h"
#include "site/SiteLink.h"

namespace PageMenuCode {

MenuProject forPage(const MenuProject &project, const QString &pagePath)
{
    MenuProject p = project;
    qsizetype own = -1;
    for (qsizetype i = 0; i < p.items.size(); ++i) {
        MenuItem &item = p.items[i];
        if (item.isSeparator() || item.linked != menutext::kYes)
            continue;
        if (own < 0 && project.selectCurrentPage && SiteLink::leadsTo(item.url, pagePath))
            own = i;
        item.url = SiteLink::forPage(item.url, pagePath);
    }
    if (own >= 0) {
        for (qsizetype i = 0; i < p.items.size(); ++i)
            p.items[i].selected = i == own ? menutext::kYes : menutext::kNo;
    }
    return p;
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
