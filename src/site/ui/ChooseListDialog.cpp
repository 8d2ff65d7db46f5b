#include "site/ui/ChooseListDialog.h"

#include "site/PageImport.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ChooseListDialog::ChooseListDialog(const PageImport &page, const QString &pageName, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChooseListDialog"));
    setWindowTitle(tr("Import Menu"));
    auto *label = new QLabel(
        tr("The page \"%1\" has %Ln drop-down lists. Choose the one to import:", nullptr, int(page.count()))
            .arg(pageName),
        this);
    label->setWordWrap(true);
    m_lstSelects = new QListWidget(this);
    m_lstSelects->setObjectName(QStringLiteral("lstSelects"));
    label->setBuddy(m_lstSelects);
    for (qsizetype i = 0; i < page.count(); ++i) {
        auto *row =
            new QListWidgetItem(QStringLiteral("%1. %2 \u2014 %3")
                                    .arg(QString::number(i + 1), page.nameOf(i), page.firstOptionsOf(i)),
                                m_lstSelects);
        row->setToolTip(tr("%Ln entries", nullptr, int(page.select(i).optionCount)));
    }
    m_lstSelects->setCurrentRow(int(page.navigatingList()));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_lstSelects, &QListWidget::itemActivated, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_lstSelects);
    layout->addWidget(buttons);
    m_lstSelects->setFocus();
    resize(480, 300);
}

int ChooseListDialog::chosenIndex() const
{
    return std::max(0, m_lstSelects->currentRow());
}
