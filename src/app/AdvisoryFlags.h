#pragma once

#include <QString>

class CRegSettings;

// The show-again flags of the advisory messages, kept per user in the
// settings store under Software\Brookfen\Quillnav 1.2\Messages.
namespace AdvisoryFlags {

inline const QString Company = QStringLiteral("Brookfen");
inline const QString AppName = QStringLiteral("Quillnav 1.2");
inline const QString Section = QStringLiteral("Messages");

inline const QString ShowIeMessage = QStringLiteral("Show IE Message");
inline const QString ShowButtonBorderMessage = QStringLiteral("Show Button Border Message");
inline const QString ShowRestoreDefaultsMessage = QStringLiteral("Show Restore Defaults Message");
// The notice that classic code's styles do not show in today's browsers.
inline const QString ShowIgnoredStylesMessage = QStringLiteral("Show Ignored Styles Message");

// The program's own settings store (Software\Brookfen\Quillnav 1.2), shared by
// every section: the messages' flags, preferences, recent files, the panes.
CRegSettings ProgramStore();

// The stored flag, "yes" when it is missing or cannot be read.
QString Read(const QString &key);
// Stores "yes" or "no"; false when the store could not be written.
bool Write(const QString &key, bool showAgain);

} // namespace AdvisoryFlags

// The gate in front of every advisory: true when its flag reads exactly "yes"
// (case matters) or is missing.
bool AdvisoryEnabled(const QString &key);
