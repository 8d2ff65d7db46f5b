#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
#include "codegen/ui/MenuOptionsPanel.h"

#include <QCheckBox>
#include <QLineEdit>

QString Form1::ValidateMenuOptions()
{
    return d->m_options->ValidateMenuOptions();
}

void Form1::buttonpropopt_Click()
{
    d->m_options->buttonpropopt_Click();
}

void Form1::menubehavopt_Click(int index)
{
    d->m_options->menubehavopt_Click(index);
}

void Form1::targetcombo_Click()
{
    d->m_options->targetcombo_Click();
}

// Back to a new, empty project: options at their start-up values, no rows.
// The code dialect becomes the one preferred for new menus. The style
// records, "Indented" and "Selected" are left as they are.
void Form1::ResetMenuProject()
{
    d->m_itemtexttext->setText(QString());
    d->m_linktext->setText(QString());
    d->m_notlinkchk->setChecked(false);
    d->m_document->resetProject();
    d->m_editingRow = false;
    show();
    d->m_itemtexttext->setFocus();
}
