#pragma once

#include "codegen/PreviewSession.h"

#include <QObject>

#include <functional>

class Form3;
class MenuDocument;
class MenuOptionsPanel;
class QWidget;

// The commands that hand the menu's code out: the code window (copy to the
// clipboard), saving the code as a page and the browser preview, whose pages
// of this run it deletes at closing. Each needs a list with rows and options
// that pass the panel's checks, and copies the style dialogs into their
// records first.
class CodeActions : public QObject {
    Q_OBJECT
public:
    CodeActions(MenuDocument *document, MenuOptionsPanel *options, QWidget *parent);

    // Adds to the code window what the main window shows above its texts.
    void setCodeWindowDecoration(std::function<void(Form3 &)> decorate) { m_decorate = std::move(decorate); }

    void showCode();
    void saveToFile();
    void previewInBrowser();
    // Deletes the preview pages of this run.
    void cleanup();

signals:
    void statusMessage(const QString &text);

private:
    bool ready() const;

    MenuDocument *m_document;
    MenuOptionsPanel *m_options;
    QWidget *m_parent;
    std::function<void(Form3 &)> m_decorate;
    PreviewSession m_previewSession;
};
