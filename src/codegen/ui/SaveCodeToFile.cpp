#include "codegen/ui/SaveCodeToFile.h"

#include "codegen/SavedCodePage.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <utility>

namespace {

SaveCodeFileChooser &chooser()
{
    static SaveCodeFileChooser instance;
    return instance;
}

QString askForFile(QWidget *owner)
{
    QFileDialog dialog(owner, SaveCodeTitle());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("SaveCodeToFile", "HTML pages (*.html)"));
    dialog.setDefaultSuffix(QStringLiteral("html"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

bool SaveCodeToFile(QWidget *owner, const MenuCode &code, QString *savedPath)
{
    const QString path = chooser() ? chooser()(owner) : askForFile(owner);
    if (path.isEmpty())
        return false;
    QString error;
    if (!WriteFileAtomically(path, SavedCodePage::bytes(code), &error)) {
        QMessageBox box(QMessageBox::Warning, SaveCodeTitle(), error, QMessageBox::Ok, owner);
        box.exec();
        return false;
    }
    if (savedPath)
        *savedPath = path;
    return true;
}

bool SaveCodeToFile(QWidget *owner, const MenuProject &project, QString *savedPath)
{
    return SaveCodeToFile(owner, GenerateMenuCode(codegen::kCodeMode, project), savedPath);
}

SaveCodeFileChooser SetSaveCodeFileChooser(SaveCodeFileChooser newChooser)
{
    return std::exchange(chooser(), std::move(newChooser));
}
