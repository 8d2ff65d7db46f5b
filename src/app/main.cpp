#include "app/HeadlessExport.h"
#include "app/ui/Form1.h"
#include "codegen/OptionsValidation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QUndoStack>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // The export runs before any window exists and needs no display.
    if (HeadlessExport::isExportRequest(arguments)) {
        QCoreApplication core(argc, argv);
        return HeadlessExport::run(arguments);
    }
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments.first().startsWith('-'))) {
        std::fputs(qPrintable(HeadlessExport::usage() + QLatin1Char('\n')), stderr);
        return HeadlessExport::UsageError;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillnav"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    // The windows are laid out for this font; dialogs and menus use it too.
    QApplication::setFont(Form1::designFont());
    Form1 window;
    window.show();
    if (arguments.size() == 1) {
        QString error;
        if (!window.openProject(arguments.first(), &error))
            QMessageBox::warning(&window, OopsTitle(), error);
        window.undoStack()->clear(); // the history starts with the file as given
    }
    return app.exec();
}
