#pragma once

#include <QDialog>

class QLineEdit;

// "Language of the Page" (Edit > Language of the Page...): the project's
// language tag, which the HTML5 pages declare. OK refuses a tag that is not
// written as BCP 47 has it ("Oops!", the field keeps the focus); the caller
// records the accepted tag as one step.
class PageLanguageDialog : public QDialog {
    Q_OBJECT

public:
    PageLanguageDialog(const QString &tag, QWidget *owner = nullptr);
    QString tag() const;

public slots:
    void accept() override;

private:
    QLineEdit *m_tag = nullptr;
};
