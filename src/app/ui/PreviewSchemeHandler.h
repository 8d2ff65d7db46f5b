#pragma once

#include <QByteArray>
#include <QWebEngineUrlSchemeHandler>

// Serves the live preview's page from memory under livepreview::pageUrl();
// every other address of the scheme is not found. Nothing is written to disk.
class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // The bytes the next request for the page gets.
    void setPage(const QByteArray &bytes) { m_page = bytes; }
    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    QByteArray m_page;
};
