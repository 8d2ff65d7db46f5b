#include "server/ServerFiles.h"

#include "menu/MenuProject.h"
#include "site/PageMenuCode.h"
#include "site/SitePages.h"
#include "site/SitePublisher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The path of `given` relative to the site folder, or an empty text and why not.
QString relativeOf(const QString &siteFolder, const QString &given, QString *why)
{
    const QString absolute = QFileInfo(given).absoluteFilePath();
    QString relative;
    if (!QFileInfo::exists(absolute) || !SitePages::contains(siteFolder, absolute, &relative))
        relative = QDir::cleanPath(QDir(siteFolder).relativeFilePath(absolute));
    if (relative.isEmpty() || relative == u"." || relative.startsWith(QStringLiteral("../"))
        || relative == u".." || QDir::isAbsolutePath(relative)) {
        *why = QCoreApplication::translate("ServerFiles", "It is not in the site folder \"%1\".")
                   .arg(QDir::toNativeSeparators(siteFolder));
        return {};
    }
    for (const QString &name : relative.split(u'/')) {
        if (name.startsWith(u'.')) {
            *why = QCoreApplication::translate(
                "ServerFiles",
                "Hidden files and folders (the backup folder, the records) never move to the server.");
            return {};
        }
    }
    return relative;
}

} // namespace

ServerFiles ServerFiles::select(const MenuProject &project, const QString &siteFolder,
                                const QStringList &named)
{
    ServerFiles out;
    if (!named.isEmpty()) {
        for (const QString &given : named) {
            QString why;
            const QString relative = relativeOf(siteFolder, given, &why);
            if (relative.isEmpty())
                out.refused.append({given, why});
            else if (!out.paths.contains(relative))
                out.paths.append(relative);
        }
        return out;
    }
    SitePlan plan = SitePublisher::prepare(project, siteFolder, {}, SitePublisher::Publish);
    out.error = plan.error;
    out.note = plan.note;
    for (const PagePlan &page : std::as_const(plan.pages)) {
        if (page.state != PagePlan::NoPlaceholder && !page.path.isEmpty())
            out.paths.append(page.path);
    }
    if (QFileInfo(siteFolder + u'/' + PageMenuCode::kScriptFile).isFile())
        out.paths.append(PageMenuCode::kScriptFile);
    return out;
}
