#pragma once

#include <QJsonObject>
#include <QPointF>
#include <QString>

// The live preview pane's own script, run in the page's isolated world (the
// menu's code neither sees it nor can change it).
namespace livepreview {

// The script run when a page is ready: adds the hidden frame the menu's links
// into another frame go to (a null name: none), scrolls back to where the
// previous page was, says when the page has been drawn, reports every pick,
// and keeps the function that takes a changed page's parts (patchCall).
QString pageScript(const QString *frameName, QPointF scroll, const QString &drawnMessage, bool classic,
                   const QString &pickPrefix);

// A call, in the same world, of the page script's function with the parts
// of PreviewPageParts::changes: options in place of as many options take
// their texts and attributes in place (the engine then draws the page without
// taking the whole list anew), other changed options are replaced in one go,
// the links for browsers without script take the changed text in place,
// style values are read as the page's parser reads its own attributes, and
// the page says `drawnMessage` once it has been drawn. Its value is true
// when the page took the parts. The texts travel as JSON, never as script.
QString patchCall(const QJsonObject &changes, const QString &drawnMessage);

} // namespace livepreview
