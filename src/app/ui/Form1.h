#pragma once

#include <QMainWindow>

// The main window. (Its regions, commands and list arrive with the editor;
// for now it is an empty window that can be given a project to open.)
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // Loads a project file into the window; false with a message on failure.
    bool openProject(const QString &path, QString *error);
};
