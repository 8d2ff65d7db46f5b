#pragma once

#include "codegen/PreviewPages.h"

#include <QString>

// The browser preview's files for one run of the program. The pages go into a
// folder of the program's own inside the temporary directory, created on the
// first preview with access for the user alone, so that nobody else can put a
// link under a page's name. Every preview overwrites the same three pages;
// cleanup() (also run by the destructor) removes them and the folder.
class PreviewSession {
public:
    PreviewSession() = default;
    ~PreviewSession();
    PreviewSession(const PreviewSession &) = delete;
    PreviewSession &operator=(const PreviewSession &) = delete;

    // Writes the notice page, the frameset page and the menu page as a set
    // (all or none). On failure returns false with a message that names the path and
    // the reason; the browser must not be opened then.
    bool write(const PreviewPages &pages, QString *errorText);

    // The folder that holds the pages; empty until a preview was written.
    QString previewFolder() const { return m_folder; }
    // The page the browser opens; empty until a preview was written.
    QString framesetPath() const;

    // Deletes the menu page, the frameset page and the notice page, then the
    // folder, ignoring errors. Deletes nothing when no preview ran.
    void cleanup();

private:
    bool ensureFolder(QString *errorText);

    QString m_folder;
};
