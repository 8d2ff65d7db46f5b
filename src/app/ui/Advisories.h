#pragma once

class QWidget;

// The advisory messages as their callers use them: each checks its
// show-again flag first and shows its dialog modally only when the flag
// allows it.

// The browser advisory, before a style dialog opens; no owner, but centred
// over `centreOver` (the main window) where the platform allows.
void ShowIeMessage(QWidget *centreOver = nullptr);

// The border advisory of the button style dialog.
void ShowButtonBorderMessage(QWidget *owner);

// The restore-defaults warning of a style dialog. True when the restore goes
// ahead: the warning is silenced, or it was answered "Yes".
bool ConfirmRestoreDefaults(QWidget *owner);
