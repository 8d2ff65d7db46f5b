#include "server/TransferCommand.h"

#include "app/CommandLine.h"
#include "app/HeadlessExport.h"
#include "menu/MenuProject.h"
#include "platform/FileName.h"
#include "server/ServerAddress.h"
#include "server/ServerFiles.h"
#include "server/ServerTransport.h"
#include "server/ServerTransports.h"
#include "server/TransferPlanner.h"
#include "server/TransferRecord.h"
#include "server/TransferRunner.h"
#include "site/SiteFolder.h"

#include <QDir>
#include <QLocale>

#include <cstdio>
#include <iostream>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace {

using namespace HeadlessExport;

QString row(const QString &state, const QString &path, const QString &reason = {})
{
    return HeadlessExport::fileRow(state, 21, path, reason);
}

// One line from standard input, without its line end.
QByteArray readLine()
{
    std::string line;
    std::getline(std::cin, line);
    QByteArray bytes = QByteArray::fromStdString(line);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    return bytes;
}

// A secret: with --password-stdin the next line of standard input, else
// asked on the terminal without echo with `prompt`; with neither, none,
// and `missing` set.
QByteArray askSecret(bool fromStdin, const QString &prompt, bool *missing)
{
    if (fromStdin)
        return readLine();
    if (!isatty(STDIN_FILENO)) {
        *missing = true;
        return {};
    }
    std::fputs(qPrintable(prompt), stderr);
    termios old{};
    const bool quiet = tcgetattr(STDIN_FILENO, &old) == 0;
    if (quiet) {
        termios noEcho = old;
        noEcho.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &noEcho);
    }
    const QByteArray secret = readLine();
    if (quiet)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &old);
    std::fputs("\n", stderr);
    return secret;
}

// A file's name as the command's other lines show it.
QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(FileName::shown(path));
}

bool skippedElsewhere(const TransferItem &item)
{
    return !item.overwrite
           && (item.state == TransferItem::ChangedOnServer || item.state == TransferItem::ChangedHere
               || item.state == TransferItem::ChangedOnBoth);
}

} // namespace

namespace TransferCommand {

int run(const CommandLine &command)
{
    const QString projectPath = command.files.at(0);
    MenuProject project;
    QString error;
    if (loadChecked(projectPath, &project, nullptr, false, &error) != Success) {
        printError(error);
        return Failure;
    }
    const bool given = command.isSet(QStringLiteral("server"));
    const QString serverText = given ? command.value(QStringLiteral("server")) : project.server;
    if (serverText.isEmpty()) {
        printError(
            QStringLiteral("The project \"%1\" names no server: give --server URL, or choose one in the "
                           "window (Server... beside the site folder).")
                .arg(shownPath(projectPath)));
        return UsageError;
    }
    ServerAddress address;
    if (!ServerAddress::parse(serverText, &address, &error)) {
        printError((given ? QStringLiteral("--server ") : QStringLiteral("The project's server "))
                   + QStringLiteral("\"%1\" %2").arg(serverText, error));
        return UsageError;
    }
    bool noPassword = false;
    TransportOptions options;
    options.acceptHostKey = command.value(QStringLiteral("accept-host-key"));
    const bool passwordStdin = command.isSet(QStringLiteral("password-stdin"));
    options.password = [&]() {
        return askSecret(
            passwordStdin,
            QStringLiteral("Password for %1: ")
                .arg(address.user.isEmpty() ? address.hostText() : address.user + u'@' + address.hostText()),
            &noPassword);
    };
    options.passphrase = [&](const QString &keyFile) {
        return askSecret(passwordStdin, QStringLiteral("Passphrase for key \"%1\": ").arg(shownPath(keyFile)),
                         &noPassword);
    };
    const std::unique_ptr<ServerTransport> made = ServerTransports::make(address, options, &error);
    if (!made) {
        printError(error);
        return UsageError;
    }
    ServerTransport &transport = *made;
    bool missing = false;
    const QString site =
        SiteFolder::forCommand(command.value(QStringLiteral("site")), project, projectPath, &error, &missing);
    if (site.isEmpty()) {
        printError(error);
        return missing ? UsageError : Failure;
    }
    const ServerFiles files = ServerFiles::select(project, site, command.files.mid(1));
    if (!files.error.isEmpty()) {
        printError(files.error);
        return Failure;
    }

    if (!transport.open()) {
        printError(transport.error());
        if (noPassword)
            printError(QStringLiteral("No key logged in and no password or passphrase can be asked for: give "
                                      "it on standard input with --password-stdin, or run the command in a "
                                      "terminal."));
        else if (transport.hostKeyRefused() && options.acceptHostKey.isEmpty()
                 && !transport.error().startsWith(QStringLiteral("WARNING")))
            printError(QStringLiteral("If that is the server's key, give --accept-host-key %1.")
                           .arg(transport.fingerprint()));
        return Failure;
    }

    const bool dryRun = command.isSet(QStringLiteral("dry-run"));
    const bool overwrite = command.isSet(QStringLiteral("overwrite"));
    const TransferPlan::Direction direction =
        command.mode == CommandLine::Upload ? TransferPlan::Upload : TransferPlan::Download;
    TransferRecord record = TransferRecord::load(site, address.text(), nullptr);
    TransferPlanner::Options planning;
    planning.tidy = !dryRun;
    TransferPlan plan =
        TransferPlanner::plan(transport, direction, site, address.folder, files.paths, &record, planning);
    if (!plan.error.isEmpty()) {
        printError(plan.error);
        printError(QStringLiteral("Nothing was transferred."));
        return Failure;
    }
    bool failed = !files.refused.isEmpty();
    for (const auto &[path, why] : files.refused) {
        printLine(row(QStringLiteral("error"), path, why));
        printError(QStringLiteral("%1: %2").arg(shownPath(path), why));
    }
    for (TransferItem &item : plan.items) {
        item.overwrite = overwrite;
        printLine(row(TransferPlan::stateText(item.state, direction), item.path,
                      item.state == TransferItem::Error ? item.reason
                      : overwrite && item.state != TransferItem::WillTransfer
                              && item.state != TransferItem::UpToDate
                          ? QStringLiteral("it will be replaced (--overwrite)")
                          : QString()));
        failed = failed || item.state == TransferItem::Error || skippedElsewhere(item);
    }
    for (const QString &path : std::as_const(plan.notOnServer))
        printLine(row(QStringLiteral("not on the server"), path));
    if (!files.note.isEmpty())
        printLine(files.note);
    if (!plan.leftovers.isEmpty())
        printLine(dryRun ? QStringLiteral("Temporary files of an interrupted run on the server: %1; the next "
                                          "run tidies them.")
                               .arg(plan.leftovers.size())
                         : QStringLiteral("Temporary files of an interrupted run tidied on the server: %1.")
                               .arg(plan.leftovers.size()));
    std::fflush(stdout);
    for (const TransferItem &item : std::as_const(plan.items)) {
        if (item.state == TransferItem::Error)
            printError(QStringLiteral("%1: %2").arg(shownPath(item.path), item.reason));
    }
    if (dryRun)
        return failed ? Failure : Success;
    if (plan.recordChanged && !record.save(site, &error)) {
        printError(error);
        return Failure;
    }
    const TransferReport report = TransferRunner::run(transport, plan, &record);
    for (const TransferResult &result : report.results) {
        printLine(row(TransferResult::outcomeText(result.outcome, direction), result.path, result.message));
        if (result.outcome == TransferResult::Skipped || result.outcome == TransferResult::Failed)
            printError(QStringLiteral("%1: %2").arg(shownPath(result.path), result.message));
    }
    if (!report.error.isEmpty())
        printError(report.error);
    printLine((direction == TransferPlan::Upload ? QStringLiteral("Files uploaded: %1 (%2 bytes).")
                                                 : QStringLiteral("Files downloaded: %1 (%2 bytes)."))
                  .arg(report.filesMoved)
                  .arg(QLocale::c().toString(report.bytesMoved)));
    std::fflush(stdout);
    return failed || report.failed() ? Failure : Success;
}

} // namespace TransferCommand
