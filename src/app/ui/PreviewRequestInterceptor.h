#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Installed on the live preview's own profile: blocks every request except
// the one for the preview page itself, so the page reaches neither the
// network nor the user's files (pictures, style sheets, scripts, frames and
// the addresses the menu would open alike).
class PreviewRequestInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};
