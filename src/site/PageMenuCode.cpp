#include "site/PageMenuCode.h"

#include "codegen/Html5MenuCode.h"
#include "codegen/MenuCodeGenerator.h"
#include "site/SiteLink.h"

namespace PageMenuCode {

MenuProject forPage(const MenuProject &project, const QString &pagePath)
{
    return forPage(project, SiteLink::base(pagePath));
}

MenuProject forPage(const MenuProject &project, const SiteLink::Base &base,
                    const std::function<bool(const QString &)> &isFolder)
{
    MenuProject p = project;
    qsizetype own = -1;
    for (qsizetype i = 0; i < p.items.size(); ++i) {
        MenuItem &item = p.items[i];
        if (item.isSeparator() || item.linked != menutext::kYes)
            continue;
        if (own < 0 && project.selectCurrentPage && SiteLink::leadsTo(item.url, base.page, isFolder))
            own = i;
        item.url = SiteLink::forBase(item.url, base);
    }
    if (own >= 0) {
        for (qsizetype i = 0; i < p.items.size(); ++i)
            p.items[i].selected = i == own ? menutext::kYes : menutext::kNo;
    }
    return p;
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
