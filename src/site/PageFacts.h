#pragma once

#include <QSet>
#include <QString>

// What the site commands need of one page: the text that names it and the
// targets its fragments may name.
struct PageFacts {
    enum Source { None, Title, Heading };
    // Why the page could not be read (the file name aside); empty when it was.
    QString error;
    // The page's <title>, else its first <h1>, cleaned as the import cleans
    // an entry's text (SelectImport::cleanText) and cut to a project text's
    // length; empty when neither holds any text.
    QString title;
    Source source = None;
    // The ids of its elements and the names of its <a> elements (when asked for).
    QSet<QString> anchors;
};
