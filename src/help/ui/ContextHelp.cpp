#include "help/ui/ContextHelp.h"

#include "help/HelpTopics.h"
#include "help/ui/HelpViewer.h"
#include "platform/ui/OpenWithShell.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>
#include <QWidget>

namespace ContextHelp {

namespace {

const char kTopicProperty[] = "quillnavHelpTopic";

QString whatsThisHtml(const HelpTopics::ContextEntry &entry)
{
    // Topics are plain page names: every address is the help's prefix and the
    // name, so the prefix is made once instead of an address per control.
    static const QString prefix = HelpTopics::url(QString()).toString();
    return QCoreApplication::translate("ContextHelp", "<p>%1</p><p><a href=\"%2%3\">More in Help</a></p>")
        .arg(QCoreApplication::translate("HelpTopics", entry.text).toHtmlEscaped(), prefix,
             QString::fromLatin1(entry.topic));
}

template <typename T> void applyTo(const QString &window, T *object)
{
    if (const auto *entry = HelpTopics::findContextEntry(window, object->objectName())) {
        object->setWhatsThis(whatsThisHtml(*entry));
        object->setProperty(kTopicProperty, QLatin1String(entry->topic));
    }
}

class Router : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WhatsThisClicked) {
            const QUrl url(static_cast<QWhatsThisClickedEvent *>(event)->href());
            QWidget *from = qobject_cast<QWidget *>(watched);
            QWhatsThis::hideText();
            if (url.scheme() == QLatin1String("qthelp"))
                HelpViewer::showUrl(from, url);
            else
                OpenWithShell(from ? from->window() : nullptr, url.toString());
            return true;
        }
        if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
                auto *widget = static_cast<QWidget *>(watched);
                if (widget->window()->objectName() == QLatin1String("HelpWindow"))
                    return false;
                // In an open menu the highlighted entry is the control.
                const auto *menu = qobject_cast<QMenu *>(widget);
                const QString topic =
                    menu && menu->activeAction() ? topicFor(menu->activeAction()) : topicFor(widget);
                if (topic.isEmpty())
                    HelpViewer::showContents(widget);
                else
                    HelpViewer::showTopic(widget, topic);
                return true;
            }
        }
        return false;
    }
};

} // namespace

void ApplyWhatsThis(QWidget *root)
{
    const QString window = root->objectName();
    // Owned windows (dialogs) take their own window's texts.
    for (QWidget *widget : root->findChildren<QWidget *>())
        if (widget->window() == root)
            applyTo(window, widget);
    for (QAction *action : root->findChildren<QAction *>())
        applyTo(window, action);
}

QString topicFor(const QObject *control)
{
    for (const QObject *o = control; o; o = o->parent()) {
        const QVariant topic = o->property(kTopicProperty);
        if (topic.isValid())
            return topic.toString();
        if (o->isWidgetType() && static_cast<const QWidget *>(o)->isWindow())
            break;
    }
    return {};
}

void install()
{
    static QPointer<Router> router;
    if (!router && qApp) {
        router = new Router(qApp);
        qApp->installEventFilter(router);
    }
}

void enterWhatsThisMode()
{
    QWhatsThis::enterWhatsThisMode();
}

} // namespace ContextHelp
