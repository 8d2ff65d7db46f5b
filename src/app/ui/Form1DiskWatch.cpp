// The project file on disk while it is open: another window or copy of
// Quillnav that has it open, and changes written to it by other programs.
#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
#include "app/ProjectFileGuard.h"
#include "app/RecentFiles.h"
#include "codegen/ui/ProblemBox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>

namespace {

QString shownName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

// The file changed on disk. Without unsaved changes the window offers to
// load it again; with them it only says so, and Save asks before it
// overwrites (confirmOverwriteChangedFile).
void Form1Private::projectFileTouched()
{
    const QString path = m_document->filePath();
    if (m_askingAboutDisk || path.isEmpty())
        return;
    const ProjectFileGuard::DiskChange change = m_document->fileGuard()->takeNews();
    const QString name = shownName(path);
    if (change == ProjectFileGuard::DiskChange::None)
        return;
    if (change == ProjectFileGuard::DiskChange::Removed) {
        showStatus(Form1::tr("The menu project file %1 was removed or renamed by another program; "
                             "Save writes it again.")
                       .arg(name));
        return;
    }
    if (m_document->isModified()) {
        showStatus(Form1::tr("The menu project file %1 was changed by another program; Save will "
                             "ask before overwriting it.")
                       .arg(name));
        return;
    }
    const QScopedValueRollback asking(m_askingAboutDisk, true);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quillnav"),
                    Form1::tr("The menu project \"%1\" was changed by another program.").arg(name),
                    QMessageBox::Yes | QMessageBox::No, q);
    box.setObjectName(QStringLiteral("ReloadChangedProjectQuestion"));
    box.setInformativeText(Form1::tr("Do you want to load it again?"));
    box.button(QMessageBox::Yes)->setText(Form1::tr("&Load Again"));
    box.button(QMessageBox::No)->setText(Form1::tr("&Keep This Version"));
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes)
        return;
    QString error;
    if (!m_document->load(path, &error)) {
        ShowProblem(q, error);
        return;
    }
    RecentFiles::Add(m_document->filePath());
    updateRecentFiles();
    showStatus(
        Form1::tr("Loaded the menu project %1 again.").arg(QDir::toNativeSeparators(m_document->filePath())));
}

// Save over a file that another program has changed since it was loaded or
// saved here: true to overwrite; false to stop, with `saveElsewhere` set
// when the user wants to keep both and save under another name.
bool Form1Private::confirmOverwriteChangedFile(bool *saveElsewhere)
{
    *saveElsewhere = false;
    const QScopedValueRollback asking(m_askingAboutDisk, true);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quillnav"),
                    Form1::tr("The menu project \"%1\" was changed by another program since it was "
                              "loaded or saved here.")
                        .arg(shownName(m_document->filePath())),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, q);
    box.setObjectName(QStringLiteral("OverwriteChangedProjectQuestion"));
    box.setInformativeText(Form1::tr("Overwrite it with the project shown here? Choose Save As to "
                                     "keep both, the other version in its file and this one under "
                                     "another name."));
    box.button(QMessageBox::Yes)->setText(Form1::tr("&Overwrite"));
    box.button(QMessageBox::No)->setText(Form1::tr("Save &As..."));
    box.setDefaultButton(QMessageBox::No);
    const int answer = box.exec();
    *saveElsewhere = answer == QMessageBox::No;
    return answer == QMessageBox::Yes;
}

// Opening a file that another window or copy of Quillnav has open: says so
// and lets the user open it all the same. A file that is not open elsewhere,
// or whose folder cannot hold a lock, opens without a question.
bool Form1Private::confirmOpenLockedFile(const QString &path)
{
    qint64 pid = 0;
    if (m_document->fileGuard()->isFile(path) || !ProjectFileGuard::lockedElsewhere(path, &pid))
        return true;
    const QString where = pid == QCoreApplication::applicationPid() ? Form1::tr("another Quillnav window")
                          : pid > 0 ? Form1::tr("another copy of Quillnav (process %1)").arg(pid)
                                    : Form1::tr("another copy of Quillnav");
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quillnav"),
                    Form1::tr("The menu project \"%1\" is already open in %2.").arg(shownName(path), where),
                    QMessageBox::Open | QMessageBox::Cancel, q);
    box.setObjectName(QStringLiteral("ProjectOpenElsewhereQuestion"));
    box.setInformativeText(Form1::tr("Open it here anyway? Each window warns before it saves over "
                                     "changes that the other has saved."));
    box.button(QMessageBox::Open)->setText(Form1::tr("&Open Anyway"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Open;
}
