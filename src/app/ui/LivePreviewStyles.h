#pragma once

class FrmAdvBttnOp;
class LivePreviewPane;
class frmAdvMnuOp;
struct MenuProject;

// The live preview and the two style dialogs: while a dialog is open the
// pane shows its controls as they stand, before OK; once it closes (OK,
// Cancel, Escape, the close box) the pane shows the project's record again.
namespace livepreview {

// Every change of a style dialog's controls, and its closing, updates the pane.
void followStyleDialogs(frmAdvMnuOp *menu, FrmAdvBttnOp *button, LivePreviewPane *pane);
// Puts the controls of an open style dialog into the project in place of its record.
void applyOpenStyleDialogs(const frmAdvMnuOp *menu, const FrmAdvBttnOp *button, MenuProject *project);

} // namespace livepreview
