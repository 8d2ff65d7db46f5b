#pragma once

#include "app/ui/AdvisoryDialog.h"

// "Warning" before a style dialog is reset to its defaults. After the dialog
// has closed, RestoreCancelled is false only when the user answered "Yes":
// "No", Escape and the close box all keep the current settings.
class Form5 : public AdvisoryDialog {
    Q_OBJECT

public:
    explicit Form5(QWidget *owner = nullptr);

    bool RestoreCancelled = false;

public slots:
    void reject() override;

protected:
    void Command2_Click() override;
};
