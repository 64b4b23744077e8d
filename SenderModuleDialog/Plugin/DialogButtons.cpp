#include "DialogButtons.h"

#include <QDialog>
#include <QPushButton>

void SetDialogDefaultButton(QDialog* pDialog, QPushButton* pOk)
{
    for (QPushButton* pButton : pDialog->findChildren<QPushButton*>()) {
        pButton->setAutoDefault(false);
        pButton->setDefault(false);
    }
    if (pOk)
        pOk->setDefault(true);
}
