#include "help/ui/HelpBrowser.h"

#include "platform/ui/OpenWithShell.h"

#include <QHelpEngineCore>

HelpBrowser::HelpBrowser(QHelpEngineCore *engine, QWidget *parent) : QTextBrowser(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("helpBrowser"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return m_engine->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::followLink(const QUrl &url)
{
    if (url.scheme() == QLatin1String("qthelp"))
        setSource(url);
    else
        OpenWithShell(window(), url.toString());
}
