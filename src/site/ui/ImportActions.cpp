#include "site/ui/ImportActions.h"

#include "app/FileChoosers.h"
#include "app/MenuDocument.h"
#include "codegen/ui/ProblemBox.h"
#include "site/PageImport.h"
#include "site/ui/ChooseListDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>

#include <optional>

ImportActions::ImportActions(MenuDocument *document, const FileChoosers *choosers, QWidget *parent)
    : QObject(parent), m_document(document), m_choosers(choosers), m_parent(parent)
{
    setObjectName(QStringLiteral("importActions"));
}

void ImportActions::importPage()
{
    const QString path =
        m_choosers->importPage
            ? m_choosers->importPage(m_parent)
            : QFileDialog::getOpenFileName(m_parent, tr("Import Menu from Web Page"), QString(),
                                           tr("Web pages (*.html *.htm);;All files (*)"));
    if (path.isEmpty())
        return;
    // A large page takes a moment to read and to show; the pointer says so.
    struct BusyCursor {
        BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    };
    PageImport page;
    bool loaded = false;
    {
        // The page is read by a bounded worker (up to some seconds for a
        // hostile page); a window-modal dialog with Cancel shows when it takes
        // long, and Cancel stops the worker. Until it shows, user input waits.
        std::optional<BusyCursor> busy(std::in_place);
        QProgressDialog progress(tr("Reading %1...").arg(QFileInfo(path).fileName()), tr("Cancel"), 0, 0,
                                 m_parent);
        progress.setObjectName(QStringLiteral("progressImport"));
        progress.setWindowTitle(tr("Import Menu"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(400);
        progress.setValue(0); // starts the dialog's clock
        PageSelects::Bounds bounds;
        bounds.keepGoing = [&progress, &busy] {
            if (progress.isVisible())
                busy.reset(); // the dialog tells it now, and Cancel wants the usual pointer
            QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                                 : QEventLoop::ExcludeUserInputEvents);
            return !progress.wasCanceled();
        };
        loaded = page.load(path, bounds);
    }
    if (!loaded) {
        if (!page.cancelled())
            ShowProblem(m_parent, page.error());
        return;
    }
    qsizetype index = 0;
    if (page.count() > 1) {
        ChooseListDialog choose(page, QFileInfo(path).fileName(), m_parent);
        if (choose.exec() != QDialog::Accepted)
            return;
        index = choose.chosenIndex();
    }
    MenuProject project;
    QStringList notes;
    bool converted = false;
    {
        BusyCursor busy;
        converted = page.project(index, &project, &notes);
        if (converted) {
            project.lang = m_document->pageLanguage(); // the pages' language is the project's
            m_document->replaceProject(project, tr("Import Menu"));
        }
    }
    if (!converted) {
        ShowProblem(m_parent, page.error());
        return;
    }
    emit statusMessage(tr("Imported %Ln item(s) from %1.", nullptr, int(project.items.size()))
                           .arg(QDir::toNativeSeparators(path)));
    if (!notes.isEmpty()) {
        QMessageBox box(QMessageBox::Information, tr("Import Menu"),
                        tr("The menu was imported with these changes:"), QMessageBox::Ok, m_parent);
        box.setInformativeText(notes.join(u'\n'));
        box.exec();
    }
}
