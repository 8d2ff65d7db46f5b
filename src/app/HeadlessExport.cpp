#include "app/HeadlessExport.h"

#include "app/PublishCommand.h"
#include "app/ServerCommand.h"
#include "app/SiteCommands.h"

#include "codegen/CodeLimit.h"
#include "codegen/MenuCodeGenerator.h"
#include "codegen/OptionsValidation.h"
#include "codegen/PreviewPages.h"
#include "codegen/SavedCodePage.h"
#include "codegen/TextBuilder.h"
#include "menu/ProjectFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileIdentity.h"
#include "platform/FileName.h"
#include "platform/FreshMemory.h"
#include "platform/ThreadedSink.h"
#include "site/PageImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>

namespace HeadlessExport {

void printError(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void printLine(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

QString fileRow(const QString &state, int width, const QString &path, const QString &reason)
{
    return QStringLiteral("%1  %2%3")
        .arg(state, -width)
        .arg(QDir::toNativeSeparators(FileName::shown(path)),
             reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
}

int loadChecked(const QString &path, MenuProject *project, MenuItems *items, bool previewChecks,
                QString *error)
{
    if (!(items ? codelimit::load(path, project, items, error) : codelimit::load(path, project, error)))
        return Failure;
    if ((items ? items->summary.count : project->items.size()) == 0) {
        *error = QStringLiteral("The menu has no items.");
        return Failure;
    }
    const OptionsProblem problem = CheckMenuOptions(project->options);
    if (problem != OptionsProblem::None) {
        *error = OptionsProblemMessage(problem);
        return Failure;
    }
    if (previewChecks && PreviewLacksGraphicUrl(project->options)) {
        *error = PreviewGraphicUrlMessage();
        return Failure;
    }
    return Success;
}

namespace {

// The page around the body: what comes before it and after it. The page
// builders copy the body unchanged, so a one-character stand-in for it
// splits the page (the last one: the head may hold any text).
std::pair<QString, QString> pageAroundBody(const QString &head, const MenuProject &p)
{
    const QChar standIn(0xFFFF);
    const QString page = SavedCodePage::text(MenuCode{head, QString(standIn), p.dialect, p.lang});
    const qsizetype at = page.lastIndexOf(standIn);
    return {page.left(at), page.mid(at + 1)};
}

// Writes one part of the code to a file (atomically) or to standard output.
// The body is generated and written in chunks, never held whole, and its
// items are walked in the project file's text, so a large menu costs little
// more memory than the file itself.
int writeCode(const MenuProject &p, const MenuItems &items, const QString &part, const QString &mode,
              const QString &output)
{
    std::optional<AtomicFileWriter> file;
    QString error;
    if (!output.isEmpty()) {
        file.emplace(output, WriteMode::CommandLineOutput);
        if (!file->open(&error)) {
            printError(error);
            return Failure;
        }
    }
    int outError = 0;
    // The code is written on a second thread while the next of it is generated.
    ThreadedSink sink([&](QByteArrayView bytes) {
        if (file) {
            file->write(bytes);
        } else if (outError == 0
                   && std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())) {
            outError = errno;
        }
    });
    TextBuilder b([&](QByteArrayView bytes) { sink.write(bytes); });
    const QString head = GenerateDialectHead(p);
    if (part == QLatin1String("head")) {
        b += head;
    } else {
        const auto [before, after] =
            part == QLatin1String("page") ? pageAroundBody(head, p) : std::pair<QString, QString>();
        b += before;
        AppendMenuBody(b, mode, p, items);
        b += after;
    }
    b.flush();
    sink.finish();
    if (file) {
        if (!file->commit(&error)) {
            printError(error);
            return Failure;
        }
        return Success;
    }
    if (outError == 0 && std::fflush(stdout) != 0)
        outError = errno;
    if (outError != 0) {
        printError(QStringLiteral("Could not write the code to standard output: %1")
                       .arg(QString::fromLocal8Bit(std::strerror(outError))));
        return Failure;
    }
    return Success;
}

int generate(const CommandLine &command)
{
    const QString project = command.files.value(0);
    const QString part = command.value(QStringLiteral("part"), QStringLiteral("page"));
    const QString output = command.value(QStringLiteral("output"));
    const bool previewMode = command.isSet(QStringLiteral("preview-mode"));
    const QString dialectWord = command.value(QStringLiteral("dialect"));
    if (const QString same = OutputIsInputProblem(project, output); !same.isEmpty()) {
        printError(same);
        return Failure;
    }

    MenuProject p;
    MenuItems items;
    QString error;
    if (loadChecked(project, &p, &items, false, &error) != Success) {
        printError(error);
        return Failure;
    }
    if (!dialectWord.isEmpty()) {
        codedialect::fromKey(dialectWord, &p.dialect); // the command line overrides the project
        // The other dialect's code has its own length: the same limit applies.
        if (!codelimit::fits(p, items.summary)) {
            printError(QStringLiteral("Could not generate the code of \"%1\": %2")
                           .arg(QDir::toNativeSeparators(project), codelimit::problem()));
            return Failure;
        }
    }
    return writeCode(p, items, part, previewMode ? codegen::kPreviewMode : codegen::kCodeMode, output);
}

// --import PAGE -o PROJECT [--select N|NAME]
int importPage(const CommandLine &command)
{
    const QString page = command.files.value(0);
    const QString output = command.value(QStringLiteral("output"));
    const QString which = command.value(QStringLiteral("select"));
    if (const QString same = OutputIsInputProblem(page, output); !same.isEmpty()) {
        printError(same);
        return Failure;
    }
    // One page read once, into a project of as many entries: the heap on
    // large pages (FreshMemory), and a worker forked for the page, which
    // shares its bytes as they stand and starts with that heap, rather than
    // the warm worker, which would take the page through shared memory to
    // keep for reads that never come.
    FreshMemory::largePagesForHeap();
    PageImport import;
    PageSelects::Bounds bounds;
    bounds.warm = false;
    if (!import.load(page, bounds)) {
        printError(import.error());
        return Failure;
    }
    qsizetype index = 0;
    const QString name = QDir::toNativeSeparators(page);
    if (!which.isEmpty()) {
        index = import.find(which);
        if (index < 0) {
            printError(QStringLiteral("The page \"%1\" has no list \"%2\". Its lists:\n%3")
                           .arg(name, which, import.listing()));
            return Failure;
        }
    } else if (import.count() > 1) {
        printError(QStringLiteral("The page \"%1\" has %2 lists; choose one with --select N or "
                                  "--select NAME:\n%3")
                       .arg(name, QString::number(import.count()), import.listing()));
        return Failure;
    }
    MenuProject project;
    QStringList notes;
    QString error;
    if (!import.project(index, &project, &notes)) {
        printError(import.error());
        return Failure;
    }
    for (const QString &note : notes)
        printError(QStringLiteral("%1: %2").arg(name, note));
    if (!ProjectFile::save(output, project, &error, WriteMode::CommandLineOutput)) {
        printError(error);
        return Failure;
    }
    return Success;
}

} // namespace

int writePreview(const QString &directory, const QString &projectPath, QString *errorText)
{
    MenuProject p;
    if (loadChecked(projectPath, &p, nullptr, true, errorText) != Success)
        return Failure;
    if (!QFileInfo(directory).isDir()) {
        *errorText = QStringLiteral("\"%1\" is not a folder.").arg(QDir::toNativeSeparators(directory));
        return Failure;
    }
    for (const QString &name :
         {PreviewPages::menuPageName(), PreviewPages::framesetPageName(), PreviewPages::noticePageName()}) {
        if (const QString same = OutputIsInputProblem(projectPath, QDir(directory).filePath(name));
            !same.isEmpty()) {
            *errorText = same;
            return Failure;
        }
    }
    const PreviewPages pages = PreviewPages::build(GenerateMenuCode(codegen::kPreviewMode, p), p.options);
    if (!pages.writeTo(directory, errorText))
        return Failure;
    return Success;
}

int run(const CommandLine &command)
{
    switch (command.mode) {
    case CommandLine::Generate:
        return generate(command);
    case CommandLine::Import:
        return importPage(command);
    case CommandLine::Publish:
    case CommandLine::Unpublish:
    case CommandLine::Restore:
        return PublishCommand::run(command);
    case CommandLine::WritePreview: {
        QString error;
        const int code = writePreview(command.files.at(0), command.files.at(1), &error);
        if (code != Success)
            printError(error);
        return code;
    }
    case CommandLine::Upload:
    case CommandLine::Download:
        return ServerCommand::run(command);
    case CommandLine::FromSite:
        return SiteCommands::fromSite(command);
    case CommandLine::FromSitemap:
        return SiteCommands::fromSitemap(command);
    case CommandLine::CheckLinks:
        return SiteCommands::checkLinks(command);
    default:
        return UsageError;
    }
}

} // namespace HeadlessExport
