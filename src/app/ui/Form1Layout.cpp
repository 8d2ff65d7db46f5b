#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
#include "app/ui/MenuListView.h"
#include "app/ui/SvgIcon.h"
#include "codegen/ui/MenuOptionsPanel.h"
#include "platform/Twips.h"
#include "server/ui/ServerDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {
// Design client area of the main window, in twips.
constexpr int kClientWidth = 8820;
constexpr int kClientHeight = 6255;
// Frame2's margins to the right edge and to the bottom edge of the client
// area, as drawn. (They correspond to 250 and 775 twips of the outer window
// size of the design minus its 70 × 670 twips of borders, title and menu bar.)
constexpr int kListRightMargin = 180;
constexpr int kListBottomMargin = 105;
} // namespace

void Form1Private::buildRegions()
{
    // The client area below the menu bar. Its regions are placed by hand: they
    // follow the design geometry, and Form_Resize lets the list grow.
    m_client = new QWidget(q);
    m_client->setObjectName(QStringLiteral("Form1Client"));
    q->setCentralWidget(m_client);
    m_client->installEventFilter(q);

    m_frame1 = new QGroupBox(Form1::tr("Item Properties:"), m_client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    buildItemProperties();

    m_options = new MenuOptionsPanel(m_client);
    // The site folder's picture is drawn by the build, as the toolbar's are:
    // the style's folder icon reads six image files when it is made.
    if (auto *site = m_options->findChild<QToolButton *>(QStringLiteral("cmdSite")))
        site->setIcon(SvgIcon::make(QStringLiteral(":/icons/options/folder.svg")));
    QObject::connect(m_options, &MenuOptionsPanel::cmdAdvMnuClicked, q, &Form1::cmdAdvMnu_Click);
    QObject::connect(m_options, &MenuOptionsPanel::cmdBttnAdvClicked, q, &Form1::cmdBttnAdv_Click);
    QObject::connect(m_options, &MenuOptionsPanel::command1Clicked, q, &Form1::Command1_Click);
    QObject::connect(m_options, &MenuOptionsPanel::chooseSiteFolderRequested, q, [this] {
        const QString folder = m_choosers.siteFolder ? m_choosers.siteFolder(q) : QString();
        if (!folder.isEmpty())
            m_document->changeSiteFolder(folder);
    });
    QObject::connect(m_options, &MenuOptionsPanel::clearSiteFolderRequested, q,
                     [this] { m_document->changeSiteFolder(QString()); });
    QObject::connect(m_options, &MenuOptionsPanel::serverRequested, q, [this] {
        ServerDialog dialog(m_document->server(), q);
        if (dialog.exec() == QDialog::Accepted)
            m_document->changeServer(dialog.server());
    });

    m_frame2 = new QGroupBox(Form1::tr("List:"), m_client);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    buildList();
    buildListToolbar();
    buildListPopup();

    m_statusBar1 = new QStatusBar(m_client);
    m_statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar1->setSizeGripEnabled(false);
    auto *notice = new QLabel(Form1::tr("Quillnav 1.2 by Brookfen"), m_statusBar1);
    notice->setObjectName(QStringLiteral("StatusBar1Panel"));
    m_statusBar1->addWidget(notice, 1);
}

void Form1Private::placeRegions()
{
    mirrorRegions(false);
    const Twips t(q->logicalDpiX(), q->logicalDpiY());
    m_toolbar1->setGeometry(t.rect(30, 0, 8730, 570));
    m_frame1->setGeometry(t.rect(60, 600, 5055, 1335));
    m_options->move(t.x(60), t.y(1980));
    m_frame2->setGeometry(t.rect(5160, 600, 3585, 5325));
    m_lv->setGeometry(t.rect(90, 180, 3435, 4545));
    m_tb2->setGeometry(t.rect(120, 4800, 3405, 450));
    m_statusBar1->setGeometry(t.rect(0, 6000, 8820, 255));
    // The dialect choice over the toolbar's free right end.
    m_dialectBox->adjustSize();
    const QRect bar = m_toolbar1->geometry();
    m_dialectBox->move(bar.right() - t.x(90) - m_dialectBox->width(),
                       bar.center().y() - m_dialectBox->height() / 2);
    m_dialectBox->raise();

    // The start-up size; RunStartup makes it the smallest size too.
    q->resize(t.x(kClientWidth), t.y(kClientHeight) + q->menuBar()->sizeHint().height());
    // Beside a docked pane the regions keep their design room.
    m_client->setMinimumSize(t.x(kClientWidth), t.y(kClientHeight));
    q->Form_Resize();
}

// The list grows with the window; everything else keeps its design place.
void Form1::Form_Resize()
{
    if (isMinimized() || !d->m_client || !d->m_lv)
        return;
    d->mirrorRegions(false);
    const Twips t(logicalDpiX(), logicalDpiY());
    const int clientWidth = d->m_client->width();
    const int clientHeight = d->m_client->height();

    const int frameWidth = clientWidth - d->m_frame1->width() - t.x(kListRightMargin);
    const int frameHeight =
        clientHeight - (d->m_toolbar1->height() + d->m_statusBar1->height() + t.y(kListBottomMargin));
    d->m_frame2->resize(qMax(0, frameWidth), qMax(0, frameHeight));

    const int listWidth = d->m_frame2->width() - t.x(200);
    const int listHeight = d->m_frame2->height() - (d->m_tb2->height() + t.y(400));
    d->m_lv->resize(qMax(0, listWidth), qMax(0, listHeight));

    d->m_tb2->move(d->m_tb2->x(), d->m_lv->y() + d->m_lv->height() + t.y(100));

    d->m_statusBar1->setGeometry(0, clientHeight - d->m_statusBar1->height(), clientWidth,
                                 d->m_statusBar1->height());
    d->mirrorRegions(true);
}

// Right to left (a right-to-left language, or Qt's -reverse) the hand-placed
// controls mirror. They are placed left to right as designed and then flipped
// within their container, which remembers the width it was flipped in, so
// that flipping back first restores the design places for the next pass.
void Form1Private::mirrorRegions(bool mirrored)
{
    QList<QWidget *> containers{m_client, m_frame1, m_frame2, m_options};
    for (QGroupBox *group : m_options->findChildren<QGroupBox *>())
        containers << group;
    for (QWidget *container : std::as_const(containers)) {
        const QVariant flippedIn = container->property("mirroredInWidth");
        if (mirrored == flippedIn.isValid() || (mirrored && !q->isRightToLeft()))
            continue;
        const int width = mirrored ? container->width() : flippedIn.toInt();
        for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && child != m_lblclassictip) // the tip places itself
                child->move(width - child->x() - child->width(), child->y());
        container->setProperty("mirroredInWidth", mirrored ? QVariant(width) : QVariant());
    }
}
