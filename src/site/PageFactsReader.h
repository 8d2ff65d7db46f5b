#pragma once

#include "site/PageFacts.h"
#include "site/PageReadBounds.h"

#include <QList>
#include <QStringList>

#include <functional>

// Reads the facts of many pages (PageFacts) through PageReader: each file is
// read whole (at most PageReader::kMaxFileBytes) and decoded as the import
// decodes it, many pages are parsed in one bounded worker, and a batch past a
// bound is read again page by page. For titles alone, a title is looked for
// in the text up to the first </title> before the whole page is parsed.
class PageFactsReader {
public:
    enum Want { Titles = 1, Anchors = 2 };

    // Pages of one worker, by count and by bytes of text.
    static constexpr int kBatchPages = 256;
    static constexpr qint64 kBatchBytes = 16LL * 1024 * 1024;

    // One PageFacts for each path, in order. `progress`, when given, is
    // called with the count of pages done; false cancels (the pages not read
    // get an error). bounds.keepGoing is passed to the workers.
    static QList<PageFacts> read(const QStringList &paths, int want, const PageReadBounds &bounds = {},
                                 const std::function<bool(qsizetype)> &progress = {});
};
