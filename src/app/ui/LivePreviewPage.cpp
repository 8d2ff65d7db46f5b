#include "app/ui/LivePreviewPage.h"

#include "app/ui/LivePreviewEngine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>
#include <QUuid>

namespace {
// How long a stand-in for a new window waits for its address.
constexpr int kNewWindowWaitMs = 10000;
} // namespace

LivePreviewPage::LivePreviewPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent), m_token(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

LivePreviewPage::LivePreviewPage(QWebEngineProfile *profile, LivePreviewPage *opener)
    : QWebEnginePage(profile, opener), m_opener(opener)
{
    QTimer::singleShot(kNewWindowWaitMs, this, &QObject::deleteLater);
}

QString LivePreviewPage::drawnMessage(int serial) const
{
    return m_token + QLatin1Char(' ') + QString::number(serial);
}

QString LivePreviewPage::pickMessagePrefix() const
{
    return m_token + QStringLiteral(" pick ");
}

bool LivePreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (m_opener) {
        emit m_opener->wouldOpen(livepreview::describeAddress(url), tr("in a new window"));
        deleteLater();
        return false;
    }
    // Only the pane loads (and reloads) its page; the page itself cannot
    // start a navigation of these kinds.
    if (isMainFrame && url == livepreview::pageUrl()
        && (type == NavigationTypeTyped || type == NavigationTypeReload))
        return true;
    // The hidden frame for links into another frame starts empty.
    if (!isMainFrame && url == QUrl(QStringLiteral("about:blank")))
        return true;
    emit wouldOpen(livepreview::describeAddress(url),
                   isMainFrame ? tr("in the same window") : tr("in the frame \"%1\"").arg(m_frameName));
    return false;
}

QWebEnginePage *LivePreviewPage::createWindow(WebWindowType)
{
    if (m_opener)
        return nullptr;
    return new LivePreviewPage(profile(), this);
}

void LivePreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int,
                                               const QString &)
{
    // The token is known to the pane's own script only.
    if (m_token.isEmpty() || !message.startsWith(m_token + QLatin1Char(' ')))
        return;
    if (const QString prefix = pickMessagePrefix(); message.startsWith(prefix)) {
        // [index, text, address or null]
        const QJsonArray pick = QJsonDocument::fromJson(message.mid(prefix.size()).toUtf8()).array();
        emit picked(pick.at(0).toInt(-1), pick.at(1).toString(), pick.at(2).toString());
        return;
    }
    emit drawn(message.mid(m_token.size() + 1).toInt());
}

void LivePreviewPage::javaScriptAlert(const QUrl &, const QString &msg)
{
    emit pageSaid(msg);
}

bool LivePreviewPage::javaScriptConfirm(const QUrl &, const QString &msg)
{
    emit pageSaid(msg);
    return false;
}

bool LivePreviewPage::javaScriptPrompt(const QUrl &, const QString &msg, const QString &, QString *)
{
    emit pageSaid(msg);
    return false;
}
