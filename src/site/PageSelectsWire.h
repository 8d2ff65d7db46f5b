#pragma once

#include "site/PageSelects.h"

#include <QByteArray>
#include <QByteArrayView>

#include <type_traits>

// What reading a page yields: its lists and the classic script it holds.
struct PageRecords {
    QList<PageSelect> selects;
    QString classicScript;
};

// The import's records on the page readers' wire (PageWire): every field of
// PageRecords, PageSelect, PageButton and PageOption is listed once, here,
// for both directions; a field added to one of those structures stops the
// build here until it is listed.
template <class V, class T>
requires std::is_same_v<std::remove_const_t<T>, PageOption>
void wireFields(V &v, T &o)
{
    auto &[text, value, hasValue, disabled, selected, group, inGroup, separator] = o;
    v(text), v(value), v(hasValue), v(disabled), v(selected), v(group), v(inGroup), v(separator);
}

template <class V, class T>
requires std::is_same_v<std::remove_const_t<T>, PageButton>
void wireFields(V &v, T &b)
{
    auto &[kind, text, style, src, alt, width, height] = b;
    v.choice(kind, PageButton::Image);
    v(text), v(style), v(src), v(alt), v(width), v(height);
}

template <class V, class T>
requires std::is_same_v<std::remove_const_t<T>, PageSelect>
void wireFields(V &v, T &s)
{
    auto &[name, id, onchange, hasOnchange, style, options, optionCount, inForm, formName, formAction,
           formTarget, quillnav, hasQuillnav, quillnavTarget, button, valign, boxStyle] = s;
    v(name), v(id), v(onchange), v(hasOnchange), v(style), v(options), v(optionCount), v(inForm);
    v(formName), v(formAction), v(formTarget), v(quillnav), v(hasQuillnav), v(quillnavTarget);
    v(button);
    v(valign), v(boxStyle);
}

template <class V, class T>
requires std::is_same_v<std::remove_const_t<T>, PageRecords>
void wireFields(V &v, T &r)
{
    auto &[selects, classicScript] = r;
    v(selects), v(classicScript);
}

namespace PageSelectsWire {

QByteArray encode(const PageRecords &records);
// False for anything encode() did not make whole: a short, long or damaged
// answer is never taken for a page's lists.
bool decode(QByteArrayView bytes, PageRecords *records);

} // namespace PageSelectsWire
