#pragma once

#include "codegen/MenuCodeGenerator.h"
#include "codegen/PreviewPages.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <array>

// The live preview's menu page cut into the parts that a page already shown
// can take in place (the list's style, its options, the text button's style,
// the links for browsers without script) and the frame around them.
//
// A shown page becomes another in place when the two frames are equal and
// every part, replaced on its own, is read as the whole page reads it: a
// style value holds no '"', the options are text and option tags only, the
// links hold no "</noscript". Classic code writes the user's texts as they
// are, so a classic page whose frame carries a text with '<', '>' or '"'
// (menu name, frame name, button, graphic) is always loaded anew.
class PreviewPageParts {
public:
    enum Part { ListStyle, Options, ButtonStyle, Fallback, PartCount };

    PreviewPageParts() = default; // no page: nothing becomes it in place
    // `spans` as GenerateMenuCode gave them for `code`, from which `pages` were built.
    PreviewPageParts(const PreviewPages &pages, const MenuCode &code, const MenuCodeSpans &spans,
                     const MenuOptions &options);

    // Whether the page `shown` becomes this one by taking this page's parts.
    bool canReplace(const PreviewPageParts &shown) const;
    // The parts that differ from those of `shown`, by their names in the
    // page's script: "listStyle" and "buttonStyle" as the values the page
    // holds (null where none is written); "options" as the options kept
    // before ("from"), the number of options replaced ("removed") and the
    // markup in their place ("markup"), or as the whole markup; "fallback" as
    // the offset in the element's text ("at"), the length replaced there
    // ("removed") and the markup in its place ("text").
    QJsonObject changes(const PreviewPageParts &shown) const;

    // Whether the markup is nothing but text and option tags (their attribute
    // values in double quotes), which the page's parser and one reading the
    // list's contents alone read alike; `starts` gets where each option's
    // start tag stands.
    static bool plainOptions(QStringView markup, QList<qsizetype> *starts = nullptr);

private:
    QStringView part(int which) const;
    // The text between the parts, in order.
    QList<QStringView> frame() const;

    QJsonValue optionChanges(const PreviewPageParts &shown) const;
    QJsonValue fallbackChanges(const PreviewPageParts &shown) const;

    QString m_page;
    QList<qsizetype> m_optionStarts;                    // in the options part
    std::array<MenuCodeSpans::Span, PartCount> m_spans; // in m_page
    bool m_partsAlone = false;                          // every part can be replaced alone
};
