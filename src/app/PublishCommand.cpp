#include "app/PublishCommand.h"

#include "app/CommandLine.h"
#include "app/HeadlessExport.h"
#include "menu/MenuProject.h"
#include "platform/FileName.h"
#include "site/LinkCheck.h"
#include "site/SiteFolder.h"
#include "site/SitePublisher.h"
#include "site/SiteRestore.h"
#include "site/SiteWriter.h"

#include <QDir>
#include <QLocale>

#include <cstdio>

namespace {

using HeadlessExport::printLine;

QString row(const QString &state, const QString &path, const QString &reason = {})
{
    return HeadlessExport::fileRow(state, 14, path, reason);
}

QString outcomeText(PageResult::Outcome outcome)
{
    switch (outcome) {
    case PageResult::Written:
        return QStringLiteral("written");
    case PageResult::Unchanged:
        return QStringLiteral("unchanged");
    case PageResult::Skipped:
        return QStringLiteral("skipped");
    case PageResult::Failed:
        break;
    }
    return QStringLiteral("failed");
}

} // namespace

namespace PublishCommand {

int run(const CommandLine &command)
{
    using namespace HeadlessExport;
    const bool restore = command.mode == CommandLine::Restore;
    const QString projectPath = command.files.value(restore ? 1 : 0);
    MenuProject project;
    QString error;
    if (restore && projectPath.isEmpty() && !command.isSet(QStringLiteral("site"))) {
        printError(QStringLiteral("--restore needs a project file or --site DIR to find the site.\n")
                   + CommandLine::usage());
        return UsageError;
    }
    if (!projectPath.isEmpty() && loadChecked(projectPath, &project, nullptr, false, &error) != Success) {
        printError(error);
        return Failure;
    }
    bool missing = false;
    const QString site =
        SiteFolder::forCommand(command.value(QStringLiteral("site")), project, projectPath, &error, &missing);
    if (site.isEmpty()) {
        printError(error);
        return missing ? UsageError : Failure;
    }
    const SitePublisher::Action action =
        command.mode == CommandLine::Unpublish ? SitePublisher::Unpublish : SitePublisher::Publish;
    // The project's backup folder, relative to the project file like its site.
    const QString backups = SiteFolder::absolute(project.backups, projectPath);
    SitePublisher::Options options;
    options.backupFolder = backups;
    SitePlan plan = restore ? SiteRestore::prepare(site, command.files.at(0), backups)
                            : SitePublisher::prepare(project, site, command.files.mid(1), action, options);
    if (!plan.error.isEmpty()) {
        printError(plan.error);
        return Failure;
    }
    const bool dryRun = command.isSet(QStringLiteral("dry-run"));
    const bool overwrite = command.isSet(QStringLiteral("overwrite-edits"));
    for (PagePlan &page : plan.pages)
        page.replaceEdits = overwrite;
    SitePublisher::settleScript(plan);
    for (const PagePlan &page : std::as_const(plan.pages)) {
        printLine(row(PagePlan::stateText(page.state), page.path,
                      page.state == PagePlan::Error || page.state == PagePlan::EditedByHand || page.remove
                          ? page.reason
                                + (overwrite && page.state == PagePlan::EditedByHand
                                       ? QStringLiteral(" It will be replaced (--overwrite-edits).")
                                       : QString())
                          : QString()));
    }
    // Dead links warn; they do not stop the run.
    for (const QString &dead : LinkCheck::deadLinks(project.items, plan.links))
        printLine(QStringLiteral("%1  %2").arg(QStringLiteral("dead link"), -14).arg(dead));
    if (!plan.note.isEmpty())
        printLine(plan.note);
    if (!plan.recordNote.isEmpty())
        printLine(plan.recordNote);
    if (plan.pages.isEmpty())
        printLine(
            restore
                ? QStringLiteral("The backup \"%1\" holds no page.").arg(command.files.at(0))
                : QStringLiteral("No page of the site holds the menu \"%1\".").arg(project.options.menuName));
    std::fflush(stdout);
    for (const PagePlan &page : plan.pages) {
        if (page.state == PagePlan::Error)
            printError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(FileName::shown(page.path)),
                                                    page.reason));
    }
    if (plan.failed()) {
        printError(QStringLiteral("No page was written."));
        return Failure;
    }
    if (dryRun) {
        if (const QString size = plan.sizeText(QLocale::c()); !size.isEmpty())
            printLine(size);
        return Success;
    }
    const SiteWriteReport report = SiteWriter::write(plan);
    for (const PageResult &result : report.results) {
        if (result.outcome == PageResult::Unchanged)
            continue;
        printLine(row(outcomeText(result.outcome), result.path, result.message));
        if (result.outcome != PageResult::Written)
            printError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(FileName::shown(result.path)),
                                                    result.message));
    }
    if (!report.backupFolder.isEmpty())
        printLine(QStringLiteral("The earlier pages are kept in \"%1\".")
                      .arg(QDir::toNativeSeparators(QDir(site).filePath(report.backupFolder))));
    if (!report.note.isEmpty())
        printError(report.note);
    std::fflush(stdout);
    return report.failed() ? Failure : Success;
}

} // namespace PublishCommand
