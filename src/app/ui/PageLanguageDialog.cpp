#include "app/ui/PageLanguageDialog.h"

#include "codegen/OptionsValidation.h"
#include "menu/PageLanguage.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

PageLanguageDialog::PageLanguageDialog(const QString &tag, QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("PageLanguageDialog"));
    setWindowTitle(pagelanguage::caption());

    m_tag = new QLineEdit(tag, this);
    m_tag->setObjectName(QStringLiteral("txtPageLang"));
    auto *label = new QLabel(tr("&Language of the page:"), this);
    label->setBuddy(m_tag);
    auto *note = new QLabel(tr("A language tag such as en, de or pt-BR. The HTML5 pages declare it: the "
                               "page that Save Code to File writes and the preview's pages."),
                            this);
    note->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PageLanguageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PageLanguageDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(label, m_tag);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

QString PageLanguageDialog::tag() const
{
    return m_tag->text().trimmed();
}

void PageLanguageDialog::accept()
{
    if (!pagelanguage::isValid(tag())) {
        QMessageBox box(QMessageBox::Warning, OopsTitle(),
                        pagelanguage::caption() + u' ' + pagelanguage::problem() + u'.', QMessageBox::Ok,
                        this);
        box.exec();
        m_tag->setFocus();
        m_tag->selectAll();
        return;
    }
    QDialog::accept();
}
