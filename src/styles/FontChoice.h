#pragma once

#include <QString>
#include <QStringList>

// Which entry of a style dialog's font list is selected. Both rules prefer
// "MS Sans Serif" (exact, case-sensitive, the first match); they differ in the
// fallback. Each returns -1 for an empty list.
namespace FontChoice {

inline const QString PreferredFamily = QStringLiteral("MS Sans Serif");

// At start-up: the preferred family, else the second entry; a list of one
// entry selects that entry.
int StartupIndex(const QStringList &families);

// For "Restore Defaults": the preferred family, else the first entry.
int RestoreIndex(const QStringList &families);

// The order of the font lists: by name regardless of case, ties by case.
bool FamilyLess(const QString &a, const QString &b);

// The families sorted in that order, each once.
QStringList SortedFamilies(QStringList families);

} // namespace FontChoice
