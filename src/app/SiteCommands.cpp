#include "app/SiteCommands.h"

#include "app/HeadlessExport.h"
#include "codegen/CodeLimit.h"
#include "menu/EntryName.h"
#include "menu/ProjectFile.h"
#include "platform/FileIdentity.h"
#include "site/LinkCheck.h"
#include "site/SiteFolder.h"
#include "site/SiteMenuBuilder.h"
#include "site/SitemapImport.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace SiteCommands {

using HeadlessExport::printError;

namespace {

using HeadlessExport::printLine;

// Writes a made project (HTML5 code, its site folder relative to the file).
int save(MenuProject project, const QString &output, const QStringList &notes)
{
    for (const QString &note : notes)
        printError(note);
    project.dialect = CodeDialect::Html5;
    project.site = SiteFolder::fieldFor(project.site, output);
    QString error;
    if (!ProjectFile::save(output, project, &error, WriteMode::CommandLineOutput)) {
        printError(error);
        return HeadlessExport::Failure;
    }
    return HeadlessExport::Success;
}

} // namespace

int fromSite(const CommandLine &command)
{
    const QString folder = command.files.value(0);
    MenuProject project;
    QStringList notes;
    QString error;
    if (!SiteMenuBuilder::build(folder, &project, &notes, &error)) {
        printError(error);
        return HeadlessExport::Failure;
    }
    return save(project, command.value(QStringLiteral("output")), notes);
}

int fromSitemap(const CommandLine &command)
{
    const QString sitemap = command.files.value(0);
    const QString output = command.value(QStringLiteral("output"));
    if (const QString same = OutputIsInputProblem(sitemap, output); !same.isEmpty()) {
        printError(same);
        return HeadlessExport::Failure;
    }
    QString given = command.value(QStringLiteral("site"));
    if (given.isEmpty())
        given = QFileInfo(QFileInfo(sitemap).absoluteFilePath()).absolutePath();
    QString error;
    bool missing = false;
    const QString site = SiteFolder::forCommand(given, MenuProject(), QString(), &error, &missing);
    if (site.isEmpty()) {
        printError(error);
        return missing ? HeadlessExport::UsageError : HeadlessExport::Failure;
    }
    SitemapImport import;
    if (!import.read(sitemap)) {
        printError(import.error());
        return HeadlessExport::Failure;
    }
    MenuProject project;
    QStringList notes;
    if (!import.project(site, &project, &notes)) {
        printError(import.error());
        return HeadlessExport::Failure;
    }
    return save(project, output, notes);
}

int checkLinks(const CommandLine &command)
{
    const QString path = command.files.value(0);
    MenuProject project;
    QString error;
    if (!codelimit::load(path, &project, &error)) {
        printError(error);
        return HeadlessExport::Failure;
    }
    bool missing = false;
    const QString site =
        SiteFolder::forCommand(command.value(QStringLiteral("site")), project, path, &error, &missing);
    if (site.isEmpty()) {
        printError(error);
        return missing ? HeadlessExport::UsageError : HeadlessExport::Failure;
    }
    LinkCheck check(site);
    const QList<LinkVerdict> verdicts = check.check(project.items);
    bool failed = false;
    for (qsizetype i = 0; i < verdicts.size(); ++i) {
        const LinkVerdict &v = verdicts.at(i);
        const QString line = entryname::of(i, &project.items.at(i).text) + QStringLiteral(": ") + v.reason;
        if (v.status == LinkVerdict::Failed) {
            printLine(line);
            failed = true;
        } else if (v.status == LinkVerdict::NotChecked) {
            printError(line);
        }
    }
    std::fflush(stdout);
    printError(LinkCheck::summary(verdicts));
    return failed ? HeadlessExport::Failure : HeadlessExport::Success;
}

} // namespace SiteCommands
