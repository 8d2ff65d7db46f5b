#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"

#include "app/ui/MenuListView.h"
#include "menu/MenuItemModel.h"
#include "menu/MenuListEdit.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

void Form1Private::buildItemProperties()
{
    QWidget *f = m_frame1;
    const Twips t(q->logicalDpiX(), q->logicalDpiY());
    auto place = [&](QWidget *w, const char *name, int l, int top, int wd, int h) {
        w->setObjectName(QLatin1String(name));
        w->setGeometry(t.rect(l, top, wd, h));
    };
    m_itemtextlbl = new QLabel(Form1::tr("&Item Text:"), f);
    place(m_itemtextlbl, "itemtextlbl", 90, 285, 840, 255);
    m_itemtexttext = new QLineEdit(f);
    place(m_itemtexttext, "itemtexttext", 960, 240, 2790, 300);
    m_additemcmd = new QPushButton(Form1::tr("Add"), f);
    place(m_additemcmd, "additemcmd", 3870, 210, 1095, 330);

    m_linklbl = new QLabel(Form1::tr("&Link URL:"), f);
    place(m_linklbl, "linklbl", 90, 645, 840, 255);
    m_linktext = new QLineEdit(f);
    place(m_linktext, "linktext", 960, 600, 2790, 300);
    m_Addsepcmd = new QPushButton(Form1::tr("Separator"), f);
    place(m_Addsepcmd, "Addsepcmd", 3870, 570, 1095, 330);

    m_chkindent = new QCheckBox(Form1::tr("In&dented"), f);
    place(m_chkindent, "chkindent", 90, 960, 1080, 270);
    m_chksel = new QCheckBox(Form1::tr("&Selected"), f);
    place(m_chksel, "chksel", 1215, 960, 1080, 270);
    m_notlinkchk = new QCheckBox(Form1::tr("Not lin&ked"), f);
    place(m_notlinkchk, "notlinkchk", 2340, 960, 1410, 270);
    m_cmdup = new QPushButton(Form1::tr("Update"), f);
    place(m_cmdup, "cmdup", 3870, 930, 1095, 330);

    m_itemtextlbl->setBuddy(m_itemtexttext);
    m_linklbl->setBuddy(m_linktext);

    // The link field takes dropped text as its whole new content.
    m_linktext->installEventFilter(q);

    QObject::connect(m_additemcmd, &QPushButton::clicked, q, &Form1::additemcmd_Click);
    QObject::connect(m_Addsepcmd, &QPushButton::clicked, q, &Form1::Addsepcmd_Click);
    QObject::connect(m_cmdup, &QPushButton::clicked, q, &Form1::cmdup_Click);
    QObject::connect(m_notlinkchk, &QCheckBox::toggled, q, &Form1::notlinkchk_Click);
}

QString Form1Private::encodedItemText() const
{
    QString text = m_itemtexttext->text();
    if (m_chkindent->isChecked())
        text.prepend(menutext::kIndentPrefix);
    return text;
}

void Form1Private::writeLinkColumns(MenuItem *item) const
{
    if (m_notlinkchk->isChecked()) {
        item->linked = menutext::kNo;
        item->url.clear();
    } else {
        item->linked = menutext::kYes;
        item->url = m_linktext->text();
    }
}

// The fields are emptied with their typing history, so that Ctrl+Z now
// takes back the change just made to the list.
void Form1Private::clearItemFields()
{
    m_itemtexttext->setText(QString());
    m_linktext->setText(QString());
    m_notlinkchk->setChecked(false);
    m_chkindent->setChecked(false);
    m_editingRow = false;
}

void Form1::additemcmd_Click()
{
    d->addItemAt(d->m_model->count() + 1, tr("Add Item"));
}

// Adds the typed entry at a position (1..count + 1) and makes it current.
void Form1Private::addItemAt(int position, const QString &undoText)
{
    const int currentBefore = q->currentPosition();
    MenuItem item;
    item.text = encodedItemText();
    writeLinkColumns(&item);
    item.selected = menutext::kNo;
    MenuListEdit edit(m_model);
    edit.insert(position, item);
    if (m_chksel->isChecked()) {
        m_chksel->setChecked(false);
        transferDefaultSelection(edit, position);
    }
    m_lv->setCurrentRow(position);
    clearItemFields();
    m_itemtexttext->setFocus();
    m_document->applyListEdit(undoText, std::move(edit), currentBefore);
}

void Form1::Addsepcmd_Click()
{
    const int currentBefore = currentPosition();
    MenuListEdit edit(d->m_model);
    edit.append(MenuItem::separator());
    d->m_itemtexttext->setFocus();
    d->m_document->applyListEdit(tr("Add Separator"), std::move(edit), currentBefore);
}

// Rewrites the current row from the fields, in its place.
void Form1::cmdup_Click()
{
    const int position = currentPosition();
    if (position == 0)
        return;
    MenuItem item;
    item.text = d->encodedItemText();
    d->writeLinkColumns(&item);
    // The old row's own "Yes" no longer counts once it is rewritten.
    item.selected = menutext::kNo;
    MenuListEdit edit(d->m_model);
    edit.set(position, item);
    if (d->m_chksel->isChecked()) {
        d->m_chksel->setChecked(false);
        d->transferDefaultSelection(edit, position);
    }
    d->m_lv->setCurrentRow(position);
    d->clearItemFields();
    d->m_itemtexttext->setFocus();
    d->m_document->applyListEdit(tr("Update Item"), std::move(edit), position);
}

// Loads the current row into the item fields.
void Form1::mnuListPopEdt_Click()
{
    const int position = currentPosition();
    if (position == 0)
        return;
    d->m_itemtexttext->setFocus();
    const MenuItem row = d->m_model->at(position);
    if (row.isIndented()) {
        d->m_itemtexttext->setText(row.text.mid(menutext::kIndentPrefix.size()));
        d->m_chkindent->setChecked(true);
    } else {
        d->m_itemtexttext->setText(row.text);
        d->m_chkindent->setChecked(false);
    }
    d->m_linktext->setText(row.url);
    d->m_notlinkchk->setChecked(row.linked != menutext::kYes);
    d->m_chksel->setChecked(row.selected == menutext::kYes);
    d->m_itemtexttext->setFocus();
    d->m_editingRow = true;
}

void Form1::notlinkchk_Click()
{
    const bool linked = !d->m_notlinkchk->isChecked();
    d->m_linktext->setEnabled(linked);
    d->m_linklbl->setEnabled(linked);
}

// Keeps at most one default selection: the candidate becomes it at once when
// there is none, otherwise the user decides.
void Form1Private::transferDefaultSelection(MenuListEdit &edit, int candidate)
{
    const int current = m_model->findDefault();
    if (current == candidate)
        return;
    if (current == 0) {
        edit.setSelected(candidate, menutext::kYes);
        return;
    }
    const QString text = Form1::tr("You have already designated \"%1\" as the selected item in the menu. "
                                   "Do you wish to change it to this one?")
                             .arg(m_model->at(current).text);
    QMessageBox box(QMessageBox::Question, Form1::tr("Selected Item"), text,
                    QMessageBox::Yes | QMessageBox::No, q);
    box.setObjectName(QStringLiteral("SelectedItemQuestion"));
    box.setDefaultButton(QMessageBox::Yes);
    const bool yes = box.exec() == QMessageBox::Yes;
    if (candidate > m_model->count() || current > m_model->count())
        return;
    if (yes) {
        edit.setSelected(current, menutext::kNo);
        edit.setSelected(candidate, menutext::kYes);
    } else {
        edit.setSelected(candidate, menutext::kNo);
    }
}

namespace {
// Only data that carries plain text itself counts; a dragged file (a list of
// addresses without text) does not.
bool offersPlainText(const QMimeData *data)
{
    if (!data)
        return false;
    const QStringList formats = data->formats();
    for (const QString &format : formats) {
        if (format.startsWith(QLatin1String("text/plain")))
            return true;
    }
    return false;
}
} // namespace

// Drops on the link field: plain text replaces the whole field, anything else
// is refused. The focus stays where it is.
bool Form1Private::linktextDragEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (offersPlainText(drag->mimeData())) {
            drag->acceptProposedAction();
        } else {
            drag->setDropAction(Qt::IgnoreAction);
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (offersPlainText(drop->mimeData())) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            m_linktext->setText(drop->mimeData()->text());
        } else {
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}
