// The Tab order of the main window: its reading order. First the Code choice
// at the toolbar's right end, then the left column group by group, row by row,
// then the list and the buttons under it. (The access keys live with the
// captions: each field's label has its buddy, each check box its own key; the
// menu bar's titles keep theirs, and where the letters run out a label or
// button goes without.)
#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/ui/MenuListView.h"

#include <QComboBox>
#include <QToolBar>

namespace {
const char *const kReadingOrder[] = {
    "itemtexttext", "additemcmd",      "linktext",       "Addsepcmd",  "chkindent",
    "chksel",       "notlinkchk",      "cmdup",          "txtmnm",     "targetcombo",
    "txtfrm",       "menubehavopt_0",  "menubehavopt_1", "cmbbttnaln", "cmdSite",
    "cmdAdvMnu",    "buttonpropopt_0", "buttontxttxt",   "cmdBttnAdv", "buttonpropopt_1",
    "buttngrurl",   "txtalt",          "txtw",           "txth",       "Command1"};
} // namespace

void Form1Private::setFocusOrder()
{
    QList<QWidget *> chain{m_cmbdialect};
    for (const char *name : kReadingOrder) {
        if (auto *widget = m_client->findChild<QWidget *>(QLatin1String(name)))
            chain << widget;
    }
    chain << m_lv;
    for (QAction *action : m_tb2->actions()) {
        if (QWidget *button = m_tb2->widgetForAction(action))
            chain << button;
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        q->setTabOrder(chain.at(i - 1), chain.at(i));
}
