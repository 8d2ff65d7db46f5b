#pragma once

// Helpers for tests that drive the main window: finding its controls, letting
// the availability pass run, filling the list, and answering message boxes.
#include "app/MenuDocument.h"
#include "app/ui/Form1.h"
#include "menu/MenuItemModel.h"
#include "platform/RegistryStore.h"
#include "support/ModalWatch.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

namespace form1test {

template <typename T = QWidget> T *control(const Form1 &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}
inline QAction *action(const Form1 &window, const char *name)
{
    return control<QAction>(window, name);
}

// Lets every pending availability pass run.
inline void settle(Form1 &window)
{
    auto *timer = control<QTimer>(window, "Timer1");
    for (int i = 0; i < 1000 && timer->isActive(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// Keeps this process's settings in a folder of its own.
inline void privateSettings()
{
    static QTemporaryDir dir;
    if (RegistryStore::filePath() == RegistryStore::defaultFilePath())
        RegistryStore::setFilePath(dir.filePath(QStringLiteral("user-registry.txt")));
}

// Creates, shows and activates a main window and lets its first pass run;
// false when the window was never exposed.
inline bool showWindow(std::unique_ptr<Form1> &window)
{
    privateSettings();
    window = std::make_unique<Form1>();
    window->show();
    window->activateWindow();
    const bool exposed = QTest::qWaitForWindowActive(window.get());
    settle(*window);
    return exposed;
}

// Makes a row current through the list view itself (1-based).
inline void makeCurrent(Form1 &window, int position)
{
    control<QTableView>(window, "lv")->setCurrentIndex(window.document()->model()->index(position - 1, 0));
    settle(window);
}

// A list in a compact notation: rows separated by ",", each "text", then "@url" when
// linked (an unlinked row that still holds an address shows "!url"), then "*" for the
// default selection; "~" stands for the separator text.
inline QList<MenuItem> rows(const QString &list)
{
    QList<MenuItem> out;
    for (QString row : list.isEmpty() ? QStringList() : list.split(QLatin1Char(','))) {
        const bool isDefault = row.endsWith(QLatin1Char('*'));
        row.chop(isDefault ? 1 : 0);
        const QString text = row.section(QLatin1Char('@'), 0, 0), url = row.section(QLatin1Char('@'), 1);
        out << MenuItem{text == QLatin1String("~") ? menutext::kSeparatorText : text,
                        url.isEmpty() ? menutext::kNo : menutext::kYes, url,
                        isDefault ? menutext::kYes : menutext::kNo};
    }
    return out;
}
inline QString state(const Form1 &window)
{
    QStringList out;
    for (const MenuItem &it : window.document()->model()->items())
        out << (it.isSeparator() ? QStringLiteral("~") : it.text)
                   + (it.linked == menutext::kYes ? '@' + it.url
                      : it.url.isEmpty()          ? QString()
                                                  : '!' + it.url)
                   + (it.isDefault() ? QStringLiteral("*") : QString());
    return out.join(QLatin1Char(','));
}

// Fills the list with items "Item 1@p1.html" .. "Item n@pn.html".
inline void fill(Form1 &window, int n)
{
    QStringList list;
    for (int i = 1; i <= n; ++i)
        list << QStringLiteral("Item %1@p%1.html").arg(i);
    window.document()->model()->setItems(rows(list.join(QLatin1Char(','))));
}

// The item fields as "text|link|flags", flags from I (Indented), N (Not linked),
// S (Selected); typeItem fills them from the same notation.
inline constexpr std::pair<const char *, char> kItemFlags[] = {
    {"chkindent", 'I'}, {"notlinkchk", 'N'}, {"chksel", 'S'}};
inline QString itemFields(const Form1 &window)
{
    QString out = control<QLineEdit>(window, "itemtexttext")->text() + '|'
                  + control<QLineEdit>(window, "linktext")->text() + '|';
    for (auto [name, flag] : kItemFlags)
        out += control<QCheckBox>(window, name)->isChecked() ? QString(QChar(flag)) : QString();
    return out;
}
inline void typeItem(Form1 &window, const QString &fields)
{
    control<QLineEdit>(window, "itemtexttext")->setText(fields.section('|', 0, 0));
    control<QLineEdit>(window, "linktext")->setText(fields.section('|', 1, 1));
    for (auto [name, flag] : kItemFlags)
        control<QCheckBox>(window, name)->setChecked(fields.section('|', 2).contains(QChar(flag)));
    settle(window);
}

using BoxAnswerer = modalwatch::MessageBoxCatcher; // answers with a given button

} // namespace form1test
