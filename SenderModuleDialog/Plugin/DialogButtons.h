#pragma once

class QDialog;
class QPushButton;

// Enter presses pOk and nothing else. The menu buttons are push buttons too,
// and a push button that takes the focus would otherwise become the default
// and open its menu on Enter. A null pOk leaves Enter without a button.
void SetDialogDefaultButton(QDialog* pDialog, QPushButton* pOk);
