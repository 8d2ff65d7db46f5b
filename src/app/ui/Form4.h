#pragma once

#include "app/ui/AdvisoryDialog.h"

// "Important Message": the button border has no effect while the system
// button colours are in use. Owned by the button style dialog.
class Form4 : public AdvisoryDialog {
    Q_OBJECT

public:
    explicit Form4(QWidget *owner = nullptr);
};
