#include "app/ui/Form1.h"

#include "codegen/ui/MenuOptionsPanel.h"
#include "menu/MenuItemModel.h"
#include "menu/ProjectFile.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillnav"));
    setFont(designFont());

    m_model = new MenuItemModel(this);

    // The availability pass runs once after every change of one of its inputs
    // (see armAvailabilityPass); an idle window does no work.
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(0);
    connect(m_timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    buildMenuBar();
    buildRegions();
    buildMainToolbar();
    buildDialectChoice();
    placeRegions();
    connectAvailabilityInputs();

    // Any drag over the window's own surface is answered with "copy"; only the
    // link field takes a drop.
    setAcceptDrops(true);

    m_chooseOpenFile = [](QWidget *parent) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Load Saved Menu Project"),
                                            QString(), ProjectFile::kFilter);
    };
    m_chooseSaveFile = [](QWidget *parent) {
        QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save Menu Project"),
                                                    QString(), ProjectFile::kFilter);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".qnv");
        return path;
    };

    armAvailabilityPass();
}

Form1::~Form1()
{
    // Stop reacting to the model while the children are torn down.
    m_model->disconnect(this);
    m_timer1->stop();
}

QFont Form1::designFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.5);
    return font;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    if (watched == m_linktext)
        return linktextDragEvent(event);
    if (m_lv && watched == m_lv->viewport())
        return listMouseEvent(event);
    return QMainWindow::eventFilter(watched, event);
}

// Over the window's own surface every drag is offered the copy effect; a drop
// there changes nothing. A drag that the link field refused stays refused.
void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void Form1::dragMoveEvent(QDragMoveEvent *event)
{
    if (childAt(event->position().toPoint()) == m_linktext) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void Form1::dropEvent(QDropEvent *event)
{
    event->ignore();
}
