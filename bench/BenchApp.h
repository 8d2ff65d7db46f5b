#pragma once

#include "app/ui/Form1.h"

#include <QApplication>

// The application of a window benchmark: offscreen unless a display is
// given, with the font the windows are laid out for.
class BenchApp : public QApplication {
public:
    BenchApp(int &argc, char **argv) : QApplication(offscreenUnlessDisplay(argc), argv)
    {
        setFont(Form1::designFont());
    }

private:
    static int &offscreenUnlessDisplay(int &argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};
