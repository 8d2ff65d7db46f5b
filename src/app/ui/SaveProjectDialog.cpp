#include "app/ui/SaveProjectDialog.h"

#include "menu/ProjectFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString ChooseProjectSavePath(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent, QCoreApplication::translate("SaveProjectDialog", "Save Menu Project As"));
    dialog.setObjectName(QStringLiteral("SaveProjectDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ProjectFile::filter());
    // The dialog adds the suffix itself before its own check for an existing file.
    dialog.setDefaultSuffix(QStringLiteral("qnv"));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        QString path = dialog.selectedFiles().value(0);
        if (path.isEmpty())
            return {};
        if (!QFileInfo(path).suffix().isEmpty())
            return path;
        // A dialog of the desktop may hand back the bare name it checked.
        path += QStringLiteral(".qnv");
        if (!QFileInfo::exists(path))
            return path;
        QMessageBox box(
            QMessageBox::Warning, dialog.windowTitle(),
            QCoreApplication::translate("SaveProjectDialog", "%1 already exists.\nDo you want to replace it?")
                .arg(QDir::toNativeSeparators(path)),
            QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() == QMessageBox::Yes)
            return path;
        dialog.selectFile(QFileInfo(path).fileName());
    }
}
