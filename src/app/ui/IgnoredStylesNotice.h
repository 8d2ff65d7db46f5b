#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class Form3;
class IgnoredStylesBar;
class IgnoredStylesMessage;
class LivePreviewPane;
class MenuDocument;
class QWidget;
class frmAdvMnuOp;

// The notice that a classic project's styles will not show in today's
// browsers, wherever the window shows it: a message after OK in a style
// dialog, a bar above the code window's texts and one above the live
// preview's page. Each offers "Use HTML5 code", one undoable step. One
// show-again flag silences them all. Nothing of it blocks.
class IgnoredStylesNotice : public QObject {
    Q_OBJECT

public:
    // `window` owns the notice and its message; the menu style dialog lists
    // the installed fonts; the live preview shows the bar above its page.
    IgnoredStylesNotice(MenuDocument *document, QWidget *window, const frmAdvMnuOp *menuDialog,
                        LivePreviewPane *livePreview);

    // Classic code, a style the code writes differs from the defaults, and
    // the notice is not silenced.
    bool applies() const;

    // After OK in the style dialog of `kind` ("mnu" or "bttn"): the message,
    // when that style is one the code writes and browsers ignore.
    void styleConfirmed(const QString &kind);
    // The bar above the code window's texts; after "Use HTML5 code" the
    // window shows the new code.
    void addTo(Form3 *codeWindow);
    // The open message, if any.
    IgnoredStylesMessage *message() const;

public slots:
    // Shows or hides the bars (and closes the message) as the project now is.
    void refresh();

private:
    IgnoredStylesBar *makeBar(QWidget *parent);
    void useHtml5();
    void silence();
    QStringList defaultFamilies() const;
    bool appliesToProject() const;

    MenuDocument *m_document;
    QWidget *m_window;
    const frmAdvMnuOp *m_menuDialog;
    QList<QPointer<IgnoredStylesBar>> m_bars;
    QPointer<IgnoredStylesMessage> m_message;
};
