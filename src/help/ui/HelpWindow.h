#pragma once

#include <QMainWindow>
#include <QUrl>

class HelpBrowser;
class QHelpEngine;
class QTabWidget;

// The help window: contents, index and full-text search beside the page.
// The help file is registered in a collection of the user's own (in the
// cache folder), where the search index is kept too.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // helpFile: the compiled help (.qch). Check isUsable() before showing.
    explicit HelpWindow(const QString &helpFile, QWidget *parent = nullptr);

    bool isUsable() const { return m_usable; }
    QString problem() const { return m_problem; }

    // Shows a page; showContents also brings the contents list to the front.
    void showPage(const QUrl &url);
    void showContents();

    HelpBrowser *browser() const { return m_browser; }

private:
    bool setUpEngine(const QString &helpFile);
    void buildTabs();
    void buildToolbar();

    QHelpEngine *m_engine = nullptr;
    HelpBrowser *m_browser = nullptr;
    QTabWidget *m_tabs = nullptr;
    bool m_usable = false;
    QString m_problem;
};
