#include "app/ui/LivePreviewScript.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

namespace livepreview {

namespace {

// JSON as a script's expression: also U+2028 and U+2029 escaped, which older
// script engines do not take inside a string.
QString json(const QJsonValue &value)
{
    QString text =
        QString::fromUtf8(value.isObject() ? QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact)
                                           : QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
    text.replace(QChar(0x2028), QLatin1StringView("\\u2028"))
        .replace(QChar(0x2029), QLatin1StringView("\\u2029"));
    return value.isObject() ? text : text + QStringLiteral("[0]");
}

} // namespace

// Classic code skips the value "nolink", HTML5 code disabled entries, entries
// without address and addresses that run code: a pick is reported with the
// address as the code decides it, before the menu's own code sees it.
QString pageScript(const QString *frameName, QPointF scroll, const QString &drawnMessage, bool classic,
                   const QString &pickPrefix)
{
    const auto number = [](qreal value) {
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    };
    return QStringLiteral(
               "(function () {\n"
               "  var frameName = %1;\n"
               "  if (frameName !== null) {\n"
               "    var frame = document.createElement(\"iframe\");\n"
               "    frame.name = frameName;\n"
               "    frame.hidden = true;\n"
               "    frame.title = \"Linked pages\";\n"
               "    (document.body || document.documentElement).appendChild(frame);\n"
               "  }\n"
               "  var classic = %5;\n"
               "  function report(list) {\n"
               "    var option = list && list.options && list.options[list.selectedIndex];\n"
               "    if (!option) return;\n"
               "    var address = null;\n"
               "    if (classic ? option.value !== \"nolink\" : !option.disabled && option.value) {\n"
               "      try { address = new URL(option.value, document.baseURI).href; } catch (e) {}\n"
               "      if (!classic && /^(javascript|vbscript|data):/i.test(address || \"\"))\n"
               "        address = null;\n"
               "    }\n"
               "    console.log(%6 + JSON.stringify([option.index, option.text, address]));\n"
               "  }\n"
               "  document.addEventListener(\"change\", function (event) {\n"
               "    if (event.target.nodeName === \"SELECT\") report(event.target);\n"
               "  }, true);\n"
               "  document.addEventListener(\"keydown\", function (event) {\n"
               "    if (event.key === \"Enter\" && event.target.nodeName === \"SELECT\")\n"
               "      report(event.target);\n"
               "  }, true);\n"
               "  document.addEventListener(\"submit\", function (event) {\n"
               "    report(event.target.elements && event.target.elements.namedItem(\"selectsite\"));\n"
               "  }, true);\n"
               "  function sayDrawn(message) {\n"
               "    requestAnimationFrame(function () {\n"
               "      requestAnimationFrame(function () { console.log(message); });\n"
               "    });\n"
               "  }\n"
               // A style value as the parser reads the page's own attribute.
               "  function setStyle(element, value) {\n"
               "    if (value === null) { element.removeAttribute(\"style\"); return; }\n"
               "    var reader = document.createElement(\"template\");\n"
               "    reader.innerHTML = \"<i style=\\\"\" + value + \"\\\"></i>\";\n"
               "    element.setAttribute(\"style\", reader.content.firstChild.getAttribute(\"style\"));\n"
               "  }\n"
               // Options from the first changed to the last, or all of them.
               "  function setOptions(list, change) {\n"
               "    if (typeof change === \"string\") { list.innerHTML = change; return true; }\n"
               "    var options = list.options, count = options.length;\n"
               "    if (change.from + change.removed > count) return false;\n"
               "    var next = change.from + change.removed < count ? options[change.from + change.removed] : null;\n"
               "    var reader = document.createElement(\"select\");\n"
               "    reader.innerHTML = change.markup;\n"
               "    if (change.from < count && takeInPlace(options[change.from], next, reader)) return true;\n"
               "    var gone = document.createRange();\n"
               "    if (change.from < count) gone.setStartBefore(options[change.from]);\n"
               "    else gone.setStart(list, list.childNodes.length);\n"
               "    if (next) gone.setEndBefore(next); else gone.setEnd(list, list.childNodes.length);\n"
               "    gone.deleteContents();\n"
               "    var added = document.createRange();\n"
               "    added.selectNodeContents(reader);\n"
               "    list.insertBefore(added.extractContents(), next);\n"
               "    return true;\n"
               "  }\n"
               // The nodes from `first` to `next` made to read as the reader's,
               // node for node, where both have the same kinds of nodes: texts
               // and attributes are set in place, which the engine draws
               // without taking the whole list anew (it still measures the
               // list's width again when an option's text changes).
               "  function takeInPlace(first, next, reader) {\n"
               "    var was = [], now = Array.from(reader.childNodes), i;\n"
               "    for (var node = first; node !== next; node = node.nextSibling) was.push(node);\n"
               "    if (was.length !== now.length) return false;\n"
               "    for (i = 0; i < was.length; i++) {\n"
               "      if (was[i].nodeName !== now[i].nodeName) return false;\n"
               "      if (was[i].nodeType !== 3 && (was[i].nodeName !== \"OPTION\" || !oneText(was[i])\n"
               "          || !oneText(now[i]) || !was[i].firstChild !== !now[i].firstChild)) return false;\n"
               "    }\n"
               "    for (i = 0; i < was.length; i++) {\n"
               "      if (was[i].nodeType === 3) { setText(was[i], now[i].data); continue; }\n"
               "      setAttributes(was[i], now[i]);\n"
               "      if (was[i].firstChild) setText(was[i].firstChild, now[i].firstChild.data);\n"
               "    }\n"
               "    return true;\n"
               "  }\n"
               "  function oneText(option) {\n"
               "    return !option.firstChild || (option.firstChild === option.lastChild && option.firstChild.nodeType === 3);\n"
               "  }\n"
               "  function setText(node, data) { if (node.data !== data) node.data = data; }\n"
               "  function setAttributes(element, model) {\n"
               "    var a = element.attributes, b = model.attributes, same = a.length === b.length, i;\n"
               "    for (i = 0; same && i < a.length; i++) same = a[i].name === b[i].name;\n"
               "    if (same) {\n"
               "      for (i = 0; i < b.length; i++) if (a[i].value !== b[i].value) a[i].value = b[i].value;\n"
               "      return;\n"
               "    }\n"
               "    while (a.length) element.removeAttribute(a[0].name);\n"
               "    for (i = 0; i < b.length; i++) element.setAttribute(b[i].name, b[i].value);\n"
               "  }\n"
               // The links are one text to the parser, which the engine keeps
               // in texts of a bounded length: the change goes into them.
               "  function setLinks(links, change) {\n"
               "    var text = change.text.replace(/\\r\\n?/g, \"\\n\").replace(/\\0/g, \"\\ufffd\");\n"
               "    var nodes = Array.from(links.childNodes), at = change.at, end = at + change.removed;\n"
               "    if (!nodes.length || nodes.some(function (node) { return node.nodeType !== 3; })) {\n"
               "      var old = links.textContent;\n"
               "      links.innerHTML = old.slice(0, at) + text + old.slice(end);\n"
               "      return;\n"
               "    }\n"
               "    for (var i = 0, from = 0, to; i < nodes.length; i++, from = to) {\n"
               "      to = from + nodes[i].length;\n"
               "      if (to < at || (to === at && i + 1 < nodes.length) || (from > at && from >= end)) continue;\n"
               "      var cut = Math.max(at - from, 0);\n"
               "      nodes[i].replaceData(cut, Math.max(Math.min(end, to) - from - cut, 0), from <= at ? text : \"\");\n"
               "    }\n"
               "  }\n"
               "  window.quillnavPatch = function (parts, drawn) {\n"
               "    var lists = document.getElementsByTagName(\"select\");\n"
               "    var list = lists.length === 1 ? lists[0] : null;\n"
               "    var button = list && list.form && list.form.querySelector(\"[type=submit]\");\n"
               "    var fallbacks = document.getElementsByTagName(\"noscript\");\n"
               "    if (!list || !list.form || (\"buttonStyle\" in parts && !button)\n"
               "        || (\"fallback\" in parts && fallbacks.length !== 1))\n"
               "      return false;\n"
               "    if (\"options\" in parts && !setOptions(list, parts.options)) return false;\n"
               // The entries selected as a page loaded anew selects them.
               "    list.form.reset();\n"
               "    if (\"listStyle\" in parts) setStyle(list, parts.listStyle);\n"
               "    if (\"buttonStyle\" in parts) setStyle(button, parts.buttonStyle);\n"
               "    if (\"fallback\" in parts) setLinks(fallbacks[0], parts.fallback);\n"
               "    sayDrawn(drawn);\n"
               "    return true;\n"
               "  };\n"
               "  window.scrollTo(%2, %3);\n"
               "  sayDrawn(%4);\n"
               "})();\n")
        // In one pass: a frame name holding "%2" stays as it is.
        .arg(frameName ? json(*frameName) : QStringLiteral("null"), number(scroll.x()), number(scroll.y()),
             json(drawnMessage), classic ? QStringLiteral("true") : QStringLiteral("false"),
             json(pickPrefix));
}

QString patchCall(const QJsonObject &changes, const QString &drawnMessage)
{
    return QStringLiteral(
               "(function () { try { return window.quillnavPatch(%1, %2); } catch (e) { return false; } })()")
        .arg(json(changes), json(drawnMessage));
}

} // namespace livepreview
