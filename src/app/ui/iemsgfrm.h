#pragma once

#include "app/ui/AdvisoryDialog.h"

// "Important Message": the advanced styles show only in some browsers.
// Shown before a style dialog opens, with no owner.
class iemsgfrm : public AdvisoryDialog {
    Q_OBJECT

public:
    explicit iemsgfrm(QWidget *owner = nullptr);
};
