#pragma once

#include "menu/MenuProject.h"
#include "site/PageSelects.h"

#include <QStringList>

// Imports a menu from a local web page: reads the file (a regular file of at
// most 64 MiB), finds its lists and turns the chosen one into a project (see
// SelectImport for the rules). Every message names the file.
class PageImport {
public:
    static constexpr qint64 kMaxFileBytes = PageReader::kMaxFileBytes;

    // Reads and parses the page; false (with error()) when it cannot be read,
    // is refused or holds no list. `bounds` bound the parse (see PageSelects).
    bool load(const QString &path, const PageSelects::Bounds &bounds = {});
    // The same for page contents in memory; `path` only names them in messages.
    bool parse(const QByteArray &bytes, const QString &path, const PageSelects::Bounds &bounds = {});
    QString error() const { return m_error; }
    // Whether the last load() or parse() was cancelled through the bounds' keepGoing.
    bool cancelled() const { return m_page.cancelled(); }

    qsizetype count() const { return m_page.selects().size(); }
    const PageSelect &select(qsizetype index) const { return m_page.selects().at(index); }
    // The list's name as the user knows it, or "(no name)".
    QString nameOf(qsizetype index) const;
    // Its first option texts, joined by commas, "..." when there are more.
    QString firstOptionsOf(qsizetype index, int count = 3) const;
    // One line per list: "N. name: first options (M entries)", the first 50.
    QString listing() const;
    // The first list that navigates (it has an onchange handler or a button,
    // or its values are addresses), else the first list; the window's chooser
    // starts on it.
    qsizetype navigatingList() const;
    // The list named by its number (from 1) or by its name; -1 when none is.
    qsizetype find(const QString &numberOrName) const;

    // Converts list `index`; false with error() when it cannot be held.
    bool project(qsizetype index, MenuProject *out, QStringList *notes);

private:
    QString m_path;
    PageSelects m_page;
    QString m_error;
};
