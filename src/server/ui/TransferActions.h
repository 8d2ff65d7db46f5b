#pragma once

#include "server/ui/TransferDialog.h"

#include <QObject>

class MenuDocument;
class QWidget;

// File > Upload to Server... and Get from Server...: the menu's pages
// between the site folder and the project's server (TransferDialog). Both
// need a server and a site folder; unavailableReason() says which is missing.
class TransferActions : public QObject {
    Q_OBJECT
public:
    TransferActions(MenuDocument *document, QWidget *parent);

    // How the window logs in to the server; by default, keys and the agent only.
    void setLogin(TransferDialog::Login login) { m_login = std::move(login); }

    void upload();
    void download();
    // Empty when both commands can run; else why not, for their tool tips.
    QString unavailableReason() const;

private:
    void run(TransferPlan::Direction direction);

    MenuDocument *m_document;
    QWidget *m_parent;
    TransferDialog::Login m_login;
};
