#include "codegen/ui/ProblemBox.h"

#include "codegen/OptionsValidation.h"

#include <QMessageBox>

void ShowProblem(QWidget *owner, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, OopsTitle(), message, QMessageBox::Ok, owner);
    box.exec();
}
