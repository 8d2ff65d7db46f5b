#include "app/ui/PreviewRequestInterceptor.h"

#include "app/ui/LivePreviewEngine.h"

void PreviewRequestInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const bool page = info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame
                      && info.requestMethod() == "GET"
                      && info.requestUrl().adjusted(QUrl::RemoveFragment) == livepreview::pageUrl();
    info.block(!page);
}
