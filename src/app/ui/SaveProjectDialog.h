#pragma once

#include <QString>

class QWidget;

// Asks where to save a menu project. A name typed without suffix gets ".qnv"
// before anything checks whether the file exists, so an existing project is
// never replaced without the question. Returns the chosen path, or an empty
// text when the user cancelled.
QString ChooseProjectSavePath(QWidget *parent, const QString &suggested);
