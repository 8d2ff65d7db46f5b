#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The part of a page the parser may leave out when it looks for the marks:
// the inside of the menu's body region, which for a large menu is nearly
// all of a published page. It is left out only when reading it cannot
// change what the parser makes of the rest: markup that starts and ends in
// the tokenizer's data state, holding no comment, no "-->", and no element
// that changes how what follows is read (raw text, template, foreign
// content). PageMarkScan then checks that the parser found the region's two
// marks at the cut, after the head's end, and parses the whole page where it
// did not.
struct RegionSkip {
    qsizetype from = -1; // in the page's UTF-8 text: just after the begin mark
    qsizetype length = 0;

    bool skips() const { return from >= 0; }
    // The inside of the menu's body region between its marks as publishing
    // writes them, when it may be left out; else nothing.
    static RegionSkip of(const QByteArray &utf8, const QString &menuName);
    // Whether markup read from the data state leaves the parser as it was.
    static bool isNeutral(QByteArrayView markup);
};
