#pragma once

#include <QPointer>
#include <QWebEnginePage>

// The live preview's web page. It keeps the preview page shown: every
// navigation the menu starts (in the page, into the page's hidden frame, or
// into a new window) is refused and reported as the address and target the
// menu would open. Script dialogs never block the window.
class LivePreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit LivePreviewPage(QWebEngineProfile *profile, QObject *parent = nullptr);

    // The name of the frame the menu's links go to when they open in another frame.
    void setFrameName(const QString &name) { m_frameName = name; }
    // The console text with which the pane's script says that a page is drawn,
    // and the start of the one with which it reports a pick.
    QString drawnMessage(int serial) const;
    QString pickMessagePrefix() const;

signals:
    // "where" reads "in the same window", "in a new window" or "in the frame "name"".
    void wouldOpen(const QString &address, const QString &where);
    // The page of the pane's update `serial` has been drawn.
    void drawn(int serial);
    void pageSaid(const QString &text);
    // The user picked (or sent) the entry shown as option `index` of the menu;
    // `address` is the page it leads to, empty when it leads nowhere.
    void picked(int index, const QString &text, const QString &address);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                          QString *result) override;

private:
    // A page standing in for a window the menu opens: it reports the window's
    // first address through its opener and goes.
    LivePreviewPage(QWebEngineProfile *profile, LivePreviewPage *opener);

    QPointer<LivePreviewPage> m_opener;
    QString m_frameName;
    QString m_token;
};
