// Import of a menu from a web page: the page's chosen list replaces the
// project as one undoable change; the document keeps its file.
#include "app/ui/Form1.h"

#include "site/PageImport.h"
#include "site/ui/ChooseListDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>

#include <optional>

void Form1::mnuFileImport_Click()
{
    const QString path = m_chooseImportFile
                             ? m_chooseImportFile(this)
                             : QFileDialog::getOpenFileName(this, tr("Import Menu from Web Page"),
                                                            QString(),
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
        QProgressDialog progress(tr("Reading %1...").arg(QFileInfo(path).fileName()),
                                 tr("Cancel"), 0, 0, this);
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
            showProblem(page.error());
        return;
    }
    qsizetype index = 0;
    if (page.count() > 1) {
        ChooseListDialog choose(page, QFileInfo(path).fileName(), this);
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
            const ProjectState before = captureState();
            applyProject(project);
            pushChange(tr("Import Menu"), before);
        }
    }
    if (!converted) {
        showProblem(page.error());
        return;
    }
    showStatus(tr("Imported %1 items from %2.")
                   .arg(QString::number(project.items.size()), QDir::toNativeSeparators(path)));
    if (!notes.isEmpty()) {
        QMessageBox box(QMessageBox::Information, tr("Import Menu"),
                        tr("The menu was imported with these changes:"), QMessageBox::Ok, this);
        box.setInformativeText(notes.join(u'\n'));
        box.exec();
    }
}
