#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;

// "Preferences" (Edit > Preferences...): the code new menus start with
// (File > New and the first window of a run; menus from a site or sitemap
// are HTML5, a loaded file keeps its own)
// and whether the notice about styles that browsers ignore is shown. OK
// stores both in the settings store; Cancel changes nothing.
class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit PreferencesDialog(QWidget *owner = nullptr);

public slots:
    void accept() override;

private:
    QComboBox *m_newMenuCode = nullptr;
    QCheckBox *m_ignoredStyles = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
