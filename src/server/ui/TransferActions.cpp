#include "server/ui/TransferActions.h"

#include "app/MenuDocument.h"
#include "codegen/ui/ProblemBox.h"
#include "server/ui/ServerLogin.h"

TransferActions::TransferActions(MenuDocument *document, QWidget *parent)
    : QObject(parent), m_document(document), m_parent(parent)
{
    setObjectName(QStringLiteral("transferActions"));
}

void TransferActions::upload()
{
    run(TransferPlan::Upload);
}

void TransferActions::download()
{
    run(TransferPlan::Download);
}

QString TransferActions::unavailableReason() const
{
    if (m_document->server().isEmpty())
        return tr("The project names no server: choose one with \"Server...\" beside the site folder.");
    if (m_document->siteFolder().isEmpty())
        return tr("The project names no site folder: choose one with the folder button beside \"Advanced "
                  "Options\" in Menu Options.");
    return {};
}

void TransferActions::run(TransferPlan::Direction direction)
{
    if (const QString why = unavailableReason(); !why.isEmpty()) {
        ShowProblem(m_parent, why);
        return;
    }
    const MenuProject project = m_document->capturedProject();
    ServerAddress address;
    QString problem;
    if (!ServerAddress::parse(project.server, &address, &problem)) {
        ShowProblem(m_parent, tr("The project's server \"%1\" %2").arg(project.server, problem));
        return;
    }
    // The window's own login unless one was given (the tests' keys).
    ServerLogin login(m_parent, address);
    TransferDialog dialog(address, project, m_document->siteFolder(), direction,
                          m_login ? m_login : TransferDialog::Login([&login] { return login.options(); }),
                          m_parent);
    if (!m_login)
        dialog.setLoginReplies(
            [&login](const ServerTransport &failed) { return login.confirmHostKey(failed); },
            [&login](bool accepted) { login.afterLogin(accepted); });
    dialog.exec();
}
