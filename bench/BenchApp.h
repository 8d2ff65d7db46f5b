#pragma once

#include "app/MenuDocument.h"
#include "app/ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace bench {
// Settings and caches of the run's own, so that what the user or another
// benchmark chose (the live preview shown, say) does not change what is
// measured, and the user's recent files stay as they were.
inline void freshSettings()
{
    static QTemporaryDir home(QDir::temp().filePath(QStringLiteral("quillnav-bench-XXXXXX")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(QStringLiteral("cache"))));
}
} // namespace bench

// The application of a window benchmark: offscreen unless a display is
// given, with the font the windows are laid out for and settings of its own.
class BenchApp : public QApplication {
public:
    BenchApp(int &argc, char **argv) : QApplication(prepare(argc), argv) { setFont(Form1::designFont()); }

private:
    static int &prepare(int &argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        bench::freshSettings();
        return argc;
    }
};
