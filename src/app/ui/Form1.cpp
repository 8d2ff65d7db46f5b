#include "app/ui/Form1.h"

#include "menu/ProjectFile.h"

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillnav"));
    resize(588, 417);
}

bool Form1::openProject(const QString &path, QString *error)
{
    MenuProject project;
    return ProjectFile::load(path, &project, error);
}
