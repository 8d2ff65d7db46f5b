#include "app/ui/PreviewSchemeHandler.h"

#include "app/ui/LivePreviewEngine.h"

#include <QBuffer>
#include <QWebEngineUrlRequestJob>

void PreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    if (job->requestUrl().adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment) != livepreview::pageUrl()
        || job->requestMethod() != "GET") {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The job owns the buffer; the page may change before it is read.
    auto *buffer = new QBuffer(job);
    buffer->setData(m_page);
    buffer->open(QIODevice::ReadOnly);
    job->reply("text/html", buffer);
}
