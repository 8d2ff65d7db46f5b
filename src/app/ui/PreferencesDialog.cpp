#include "app/ui/PreferencesDialog.h"

#include "app/AdvisoryFlags.h"
#include "app/Preferences.h"
#include "platform/RegistryStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

PreferencesDialog::PreferencesDialog(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("PreferencesDialog"));
    setWindowTitle(tr("Preferences"));

    m_newMenuCode = new QComboBox(this);
    m_newMenuCode->setObjectName(QStringLiteral("cmbNewMenuCode"));
    m_newMenuCode->addItems(codedialect::captions());
    m_newMenuCode->setCurrentIndex(int(Preferences::NewMenuDialect()));
    m_newMenuCode->setToolTip(
        tr("The code that File > New Menu Project and the first window start with. Menus made "
           "from a site or a sitemap get HTML5 code; a saved project keeps its own."));
    auto *label = new QLabel(tr("Code for File > &New Menu Project:"), this);
    label->setBuddy(m_newMenuCode);

    m_ignoredStyles =
        new QCheckBox(tr("&Say when the styles of classic code will not show in browsers"), this);
    m_ignoredStyles->setObjectName(QStringLiteral("chkIgnoredStyles"));
    m_ignoredStyles->setChecked(AdvisoryEnabled(AdvisoryFlags::ShowIgnoredStylesMessage));

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(label, m_newMenuCode);
    form->addRow(m_ignoredStyles);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PreferencesDialog::accept()
{
    const bool stored =
        Preferences::SetNewMenuDialect(CodeDialect(m_newMenuCode->currentIndex()))
        && AdvisoryFlags::Write(AdvisoryFlags::ShowIgnoredStylesMessage, m_ignoredStyles->isChecked());
    if (!stored) {
        QMessageBox box(QMessageBox::Warning, tr("Preferences"),
                        tr("The preferences could not be stored in %1.")
                            .arg(QDir::toNativeSeparators(RegistryStore::filePath())),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    QDialog::accept();
}
