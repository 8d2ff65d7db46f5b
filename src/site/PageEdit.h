#pragma once

#include "site/MenuRegions.h"
#include "site/PageMarks.h"

#include <QByteArray>
#include <QString>

class PageText;

// What one page becomes when a menu is published into it or taken out of
// it. Only the placeholder, the menu's regions and the place of a new head
// region change; every other byte stays. A region is indented like the line
// it starts on, uses the page's line end and is written in the page's
// encoding.
class PageEdit {
public:
    struct Menu {
        QString name;
        bool unpublish = false;
        QString head;         // the head region's code (lines end with CR LF)
        QString body;         // the body region's code
        bool classic = false; // the head defines the classic script's function
        QString placeholder;  // unpublish: the placeholder to put back, whole, when it is one of
                              // this menu (as the page had it before); else the plain one
    };
    enum State { Changes, UpToDate, NoPlaceholder, Failed };

    // Finds the menu's marks; false (with reason()) when the page's regions
    // of the menu are broken or its marks cannot be placed in its bytes.
    bool locate(const PageText &page, const QList<PageMark> &marks, const QString &menuName);
    // Whether the page holds the menu's placeholder or a region of it.
    bool holdsMenu() const { return m_placeholder.start >= 0 || m_body.start >= 0 || m_head.start >= 0; }

    // The page's new bytes for the menu (after locate()).
    State apply(const Menu &menu);
    const QByteArray &bytes() const { return m_bytes; }
    // A region of the menu as the page holds it (after locate()), and as
    // apply() wrote it; empty when there is none.
    QByteArray regionBytes(MenuRegionMark::Part part) const;
    QByteArray writtenRegion(MenuRegionMark::Part part) const { return m_written[part]; }
    // The menu's placeholder comment, whole, as the page holds it; empty when none.
    QString placeholderText() const;
    QString reason() const { return m_reason; }
    // The bytes of the regions apply() wrote (none when taking the menu out).
    qint64 regionBytes() const { return m_regionBytes; }

private:
    struct Span {
        qint64 start = -1; // in the page's bytes
        qint64 end = -1;
        qint64 innerStart = -1; // a region's text between its comments, in the UTF-8 text
        qint64 innerEnd = -1;
    };
    struct Edit {
        qint64 start;
        qint64 end;
        QByteArray bytes;
    };

    bool fail(const QString &reason);
    qint64 lineOf(qint64 byteOffset) const;
    QByteArray indentAt(qint64 byteOffset) const;
    QByteArray region(const QString &name, MenuRegionMark::Part part, const QString &code,
                      const QByteArray &indent) const;
    bool checkClassic(const Menu &menu);
    static qint64 laterBegin(const QList<PageMark> &marks, const QList<qint64> &byteStarts, qsizetype from,
                             const QString &key, int part);

    const PageText *m_page = nullptr;
    Span m_placeholder;
    Span m_body;
    Span m_head;
    qint64 m_headEnd = -1;
    QList<std::pair<QString, Span>> m_otherHeads; // other menus' head regions
    QByteArray m_bytes;
    QByteArray m_written[2];
    QString m_reason;
    qint64 m_regionBytes = 0;
    QString m_twice; // the placeholder twice: why publishing is refused
};
