#pragma once

#include "app/ui/AdvisoryDialog.h"

// "Styles That Browsers Ignore": after OK in a style dialog of a classic
// project whose style will not show. It does not block: the window stays
// usable while it is open, and it goes when closed. "Use HTML5 code"
// (Command2) asks for HTML5 code; either button stores the show-again flag.
class IgnoredStylesMessage : public AdvisoryDialog {
    Q_OBJECT

public:
    explicit IgnoredStylesMessage(QWidget *owner = nullptr);

signals:
    void useHtml5Requested();

protected:
    void Command2_Click() override;
};
