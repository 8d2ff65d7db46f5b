#pragma once

#include "app/ui/AdvisoryDialog.h"

// "Warning" before a style dialog is reset to its defaults. After the dialog
// has closed, RestoreCancelled is true exactly when the user answered "No";
// closing it with the close box leaves it false.
class Form5 : public AdvisoryDialog
{
    Q_OBJECT

public:
    explicit Form5(QWidget *owner = nullptr);

    bool RestoreCancelled = false;

protected:
    void Command2_Click() override;
};
