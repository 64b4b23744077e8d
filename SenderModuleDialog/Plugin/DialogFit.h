#pragma once

#include <QSize>

class QDialog;
class QWidget;

// The fixed sizes of the dialogs are drawn for their Chinese texts; another
// language may need more room, and then gets it.

// Fixes pWidget (a label or a button, style sheet already set) at nWidth x
// nHeight, wider when its text needs more.
void FixSizeForText(QWidget* pWidget, int nWidth, int nHeight);
// Fixes the dialog at size, wider when its layout needs more for its texts.
void FixDialogSize(QDialog* pDialog, const QSize& size);
