#pragma once

class QString;
class QWidget;

// Shows a problem that stops a command: a modal "Oops!" warning with OK.
void ShowProblem(QWidget *owner, const QString &message);
