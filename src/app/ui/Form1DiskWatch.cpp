// The project file on disk while it is open: another window or copy of
// Quillnav that has it open, and changes written to it by other programs.
#include "app/ui/Form1.h"

#include "app/ProjectFileGuard.h"

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

ProjectFileGuard *Form1::fileGuard()
{
    if (!m_fileGuard) {
        m_fileGuard = new ProjectFileGuard(this);
        connect(m_fileGuard, &ProjectFileGuard::touched, this, &Form1::projectFileTouched);
    }
    return m_fileGuard;
}

// The file changed on disk. Without unsaved changes the window offers to
// load it again; with them it only says so, and Save asks before it
// overwrites (confirmOverwriteChangedFile).
void Form1::projectFileTouched()
{
    if (m_askingAboutDisk || m_filePath.isEmpty())
        return;
    const ProjectFileGuard::DiskChange change = fileGuard()->takeNews();
    const QString name = shownName(m_filePath);
    if (change == ProjectFileGuard::DiskChange::None)
        return;
    if (change == ProjectFileGuard::DiskChange::Removed) {
        showStatus(tr("The menu project file %1 was removed or renamed by another program; "
                                  "Save writes it again.")
                       .arg(name));
        return;
    }
    if (isProjectModified()) {
        showStatus(tr("The menu project file %1 was changed by another program; Save will "
                                  "ask before overwriting it.")
                       .arg(name));
        return;
    }
    const QScopedValueRollback asking(m_askingAboutDisk, true);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quillnav"),
                    tr("The menu project \"%1\" was changed by another program.").arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("ReloadChangedProjectQuestion"));
    box.setInformativeText(tr("Do you want to load it again?"));
    box.button(QMessageBox::Yes)->setText(tr("&Load Again"));
    box.button(QMessageBox::No)->setText(tr("&Keep This Version"));
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes)
        return;
    QString error;
    if (!openProject(m_filePath, &error))
        showProblem(error);
    else
        showStatus(tr("Loaded the menu project %1 again.").arg(QDir::toNativeSeparators(m_filePath)));
}

// Save over a file that another program has changed since it was loaded or
// saved here: true to overwrite; false to stop, with `saveElsewhere` set
// when the user wants to keep both and save under another name.
bool Form1::confirmOverwriteChangedFile(bool *saveElsewhere)
{
    *saveElsewhere = false;
    const QScopedValueRollback asking(m_askingAboutDisk, true);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quillnav"),
                    tr("The menu project \"%1\" was changed by another program since it was "
                                   "loaded or saved here.")
                        .arg(shownName(m_filePath)),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("OverwriteChangedProjectQuestion"));
    box.setInformativeText(tr("Overwrite it with the project shown here? Choose Save As to "
                                          "keep both, the other version in its file and this one under "
                                          "another name."));
    box.button(QMessageBox::Yes)->setText(tr("&Overwrite"));
    box.button(QMessageBox::No)->setText(tr("Save &As..."));
    box.setDefaultButton(QMessageBox::No);
    const int answer = box.exec();
    *saveElsewhere = answer == QMessageBox::No;
    return answer == QMessageBox::Yes;
}

// Opening a file that another window or copy of Quillnav has open: says so
// and lets the user open it all the same. A file that is not open elsewhere,
// or whose folder cannot hold a lock, opens without a question.
bool Form1::confirmOpenLockedFile(const QString &path)
{
    qint64 pid = 0;
    if (fileGuard()->isFile(path) || !ProjectFileGuard::lockedElsewhere(path, &pid))
        return true;
    const QString where = pid == QCoreApplication::applicationPid()
                              ? tr("another Quillnav window")
                          : pid > 0 ? tr("another copy of Quillnav (process %1)").arg(pid)
                                    : tr("another copy of Quillnav");
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quillnav"),
                    tr("The menu project \"%1\" is already open in %2.")
                        .arg(shownName(path), where),
                    QMessageBox::Open | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("ProjectOpenElsewhereQuestion"));
    box.setInformativeText(tr("Open it here anyway? Each window warns before it saves over "
                                          "changes that the other has saved."));
    box.button(QMessageBox::Open)->setText(tr("&Open Anyway"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Open;
}
