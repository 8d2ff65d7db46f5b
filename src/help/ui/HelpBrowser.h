#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

// Shows the pages of the help file (qthelp: addresses). Links into the help
// stay here; other addresses (web pages, mail) go to the desktop.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(QHelpEngineCore *engine, QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void followLink(const QUrl &url);

    QHelpEngineCore *m_engine;
};
